// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SysConfF.h"
#include "components/ComponentTexts.h"

#include "components/widgets/NScrEdit.h"
#include "framework/app/Application.h"
#include "framework/app/Hints.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/Creation.h"
#include "framework/controls/GroupBox.h"

#include "components/windows/CursorGlide.h"
#include "components/windows/WManager.h"

namespace orv {
namespace {

struct StoredEdit {
    const char* name;
    int top;
    TText itemCaption;
    int itemWidth;
    int scrollBarWidth;
    int min, max, largeChange;
    TText hint;
};

constexpr StoredEdit kHintPauseEdit{
    "HintPauseNumScrollEdit",     48, ComponentTexts::HintPause, 120, 120, 0, 10000, 100,
    ComponentTexts::HintPauseHint};
constexpr StoredEdit kHintHidePauseEdit{
    "HintHidePauseNumScrollEdit",     72, ComponentTexts::HintHidePause, 120, 120, 0, 10000, 100,
    ComponentTexts::HintHidePauseHint};
constexpr StoredEdit kCursorMoveStepEdit{
    "CursorMoveStepNumScrollEdit",     48, ComponentTexts::CursorMoveStep, 88, 113, 1, 50, 10,
    ComponentTexts::CursorMoveStepHint};
constexpr StoredEdit kCursorMaxMovesEdit{"CursorMaxMovesNumScrollEdit",
                                         72,
                                         ComponentTexts::CursorMaxMoves,
                                         88,
                                         113,
                                         1,
                                         kMostGlideMoves,
                                         10,
                                         ComponentTexts::CursorMaxMovesHint};

// A number field with its stored properties set in their storage order; its
// width comes from its parts when it is loaded.
TNumScrollEdit* CreateEdit(TForm& form, TWinControl& parent, const StoredEdit& stored, int width) {
    auto* edit =
        CreateControl<TNumScrollEdit>(form, parent, stored.name, {8, stored.top, width, 20});
    edit->SetHint(Tr(stored.hint));
    edit->SetNumAreaWidth(40);
    edit->SetScrollBarWidth(stored.scrollBarWidth);
    edit->SetNumFont(form.Font());
    edit->SetLabelFont(form.Font());
    edit->SetItemWidth(stored.itemWidth);
    edit->SetItemCaption(Tr(stored.itemCaption));
    edit->SetDecCaption("-");
    edit->SetIncCaption("+");
    edit->SetPosition(stored.min);
    edit->SetMin(stored.min);
    edit->SetMax(stored.max);
    edit->SetLargeChange(stored.largeChange);
    edit->SetSmallChange(1);
    return edit;
}

} // namespace

TSystemConfigForm::TSystemConfigForm(TComponent* owner) : TForm(owner) {
    SetName("SystemConfigForm");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetCaption(ComponentTexts::SystemConfigCaption);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 433 + kBorderWidth, 314 + kBorderHeight);
    ConfigPageControl =
        CreateControl<TPageControl>(*this, *this, "ConfigPageControl", {8, 8, 420, 297});
    ConfigPageControl->SetShowHint(true);
    CreateHelpPage();
    CreateMousePage();
    ConfigPageControl->SetActivePage(HelpTabSheet);
    CreateButtons();
    WireHandlers();
    FinishLoading();
}

void TSystemConfigForm::CreateHelpPage() {
    HelpTabSheet = CreateComponent<TTabSheet>(*this, "HelpTabSheet");
    HelpTabSheet->SetCaption(Tr(ComponentTexts::HelpTab));
    HelpTabSheet->SetPageControl(ConfigPageControl);
    HelpGroupBox =
        CreateControl<TGroupBox>(*this, *HelpTabSheet, "HelpGroupBox", {8, 16, 337, 137});
    HelpGroupBox->SetCaption(Tr(ComponentTexts::BalloonHelp));
    HelpGroupBox->SetHint(Tr(ComponentTexts::BalloonHelpHint));
    ShowHintCheckBox =
        CreateControl<TCheckBox>(*this, *HelpGroupBox, "ShowHintCheckBox", {12, 24, 81, 17});
    ShowHintCheckBox->SetCaption(Tr(ComponentTexts::ShowHint));
    ShowHintCheckBox->SetChecked(true);
    ShowHintCheckBox->SetHint(Tr(ComponentTexts::ShowHintHint));
    HintPauseNumScrollEdit = CreateEdit(*this, *HelpGroupBox, kHintPauseEdit, 312);
    HintHidePauseNumScrollEdit = CreateEdit(*this, *HelpGroupBox, kHintHidePauseEdit, 312);
    HelpInitButton =
        CreateControl<TButton>(*this, *HelpGroupBox, "HelpInitButton", {200, 104, 105, 25});
    HelpInitButton->SetCaption(Tr(ComponentTexts::Defaults));
    HelpInitButton->SetHint(Tr(ComponentTexts::DefaultsHint));
}

void TSystemConfigForm::CreateMousePage() {
    MouseTabSheet = CreateComponent<TTabSheet>(*this, "MouseTabSheet");
    MouseTabSheet->SetCaption(Tr(ComponentTexts::MouseTab));
    MouseTabSheet->SetPageControl(ConfigPageControl);
    JumpCursorGroupBox =
        CreateControl<TGroupBox>(*this, *MouseTabSheet, "JumpCursorGroupBox", {8, 16, 297, 137});
    JumpCursorGroupBox->SetCaption(Tr(ComponentTexts::JumpCursor));
    JumpCursorGroupBox->SetHint(Tr(ComponentTexts::JumpCursorHint));
    JumpCursorCheckBox = CreateControl<TCheckBox>(*this, *JumpCursorGroupBox, "JumpCursorCheckBox",
                                                  {12, 24, 105, 17});
    JumpCursorCheckBox->SetCaption(Tr(ComponentTexts::JumpCursorOn));
    JumpCursorCheckBox->SetChecked(true);
    JumpCursorCheckBox->SetHint(Tr(ComponentTexts::JumpCursorOnHint));
    CursorMoveStepNumScrollEdit = CreateEdit(*this, *JumpCursorGroupBox, kCursorMoveStepEdit, 273);
    CursorMaxMovesNumScrollEdit = CreateEdit(*this, *JumpCursorGroupBox, kCursorMaxMovesEdit, 273);
    MouseInitButton =
        CreateControl<TButton>(*this, *JumpCursorGroupBox, "MouseInitButton", {168, 104, 105, 25});
    MouseInitButton->SetCaption(Tr(ComponentTexts::Defaults));
    MouseInitButton->SetHint(Tr(ComponentTexts::DefaultsHint));
}

void TSystemConfigForm::CreateButtons() {
    SetButton = CreateControl<TButton>(*this, *this, "SetButton", {248, 272, 75, 25});
    SetButton->SetCaption(Tr(ComponentTexts::Set));
    SetButton->SetHint(Tr(ComponentTexts::SetHint));
    SetButton->SetModalResult(mrOk);
    CancelButton = CreateControl<TButton>(*this, *this, "CancelButton", {336, 272, 75, 25});
    CancelButton->SetCaption(Tr(ComponentTexts::Cancel));
    CancelButton->SetHint(Tr(ComponentTexts::CancelHint));
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
}

void TSystemConfigForm::WireHandlers() {
    using Form = TSystemConfigForm;
    ShowHintCheckBox->OnClick = Bind(&Form::ShowHintCheckBoxClick, this);
    HintPauseNumScrollEdit->OnChange = Bind(&Form::HintPauseNumScrollEditChange, this);
    HintHidePauseNumScrollEdit->OnChange = Bind(&Form::HintHidePauseNumScrollEditChange, this);
    HelpInitButton->OnClick = Bind(&Form::HelpInitButtonClick, this);
    JumpCursorCheckBox->OnClick = Bind(&Form::JumpCursorCheckBoxClick, this);
    CursorMoveStepNumScrollEdit->OnChange = Bind(&Form::CursorMoveStepNumScrollEditChange, this);
    CursorMaxMovesNumScrollEdit->OnChange = Bind(&Form::CursorMaxMovesNumScrollEditChange, this);
    MouseInitButton->OnClick = Bind(&Form::MouseInitButtonClick, this);
    CancelButton->OnClick = Bind(&Form::CancelButtonClick, this);
}

void TSystemConfigForm::Loaded() {
    TForm::Loaded();
    ConfigPageControl->SetBounds(8, 8, ClientWidth() - 16, ClientHeight() - 16);
}

void TSystemConfigForm::SetSettings(const SystemConfigSettings& settings,
                                    TWindowManager* windowManager) {
    settings_ = settings;
    windowManager_ = windowManager;
    ApplySettingsToControls();
}

// Each step that changes a control runs its handler, which puts the value
// into the live settings.
void TSystemConfigForm::ApplySettingsToControls() {
    ShowHintCheckBox->SetChecked(settings_.ShowHint);
    ShowHintCheckBoxClick(ShowHintCheckBox);
    HintPauseNumScrollEdit->SetPosition(settings_.HintPause);
    HintHidePauseNumScrollEdit->SetPosition(settings_.HintHidePause);
    JumpCursorCheckBox->SetChecked(settings_.JumpCursor);
    JumpCursorCheckBoxClick(JumpCursorCheckBox);
    CursorMoveStepNumScrollEdit->SetPosition(settings_.CursorMoveStep);
    CursorMaxMovesNumScrollEdit->SetPosition(settings_.CursorMaxMoves);
}

void TSystemConfigForm::ShowHintCheckBoxClick(TObject*) {
    const bool on = ShowHintCheckBox->Checked();
    Application().SetShowHint(on);
    HintPauseNumScrollEdit->SetEnabled(on);
    HintHidePauseNumScrollEdit->SetEnabled(on);
}

void TSystemConfigForm::HintPauseNumScrollEditChange(TObject*) {
    Application().SetHintPause(HintPauseNumScrollEdit->Position());
}

void TSystemConfigForm::HintHidePauseNumScrollEditChange(TObject*) {
    Application().SetHintHidePause(HintHidePauseNumScrollEdit->Position());
}

void TSystemConfigForm::HelpInitButtonClick(TObject*) {
    Application().SetShowHint(true);
    ShowHintCheckBox->SetChecked(true);
    Application().SetHintPause(THintManager::kDefaultHintPause);
    HintPauseNumScrollEdit->SetPosition(THintManager::kDefaultHintPause);
    Application().SetHintHidePause(THintManager::kDefaultHintHidePause);
    HintHidePauseNumScrollEdit->SetPosition(THintManager::kDefaultHintHidePause);
}

void TSystemConfigForm::JumpCursorCheckBoxClick(TObject*) {
    if (!windowManager_)
        return;
    const bool on = JumpCursorCheckBox->Checked();
    windowManager_->JumpCursor = on;
    CursorMoveStepNumScrollEdit->SetEnabled(on);
    CursorMaxMovesNumScrollEdit->SetEnabled(on);
}

void TSystemConfigForm::CursorMoveStepNumScrollEditChange(TObject*) {
    if (windowManager_)
        windowManager_->CursorMoveStep = CursorMoveStepNumScrollEdit->Position();
}

void TSystemConfigForm::CursorMaxMovesNumScrollEditChange(TObject*) {
    if (windowManager_)
        windowManager_->CursorMaxMoves = CursorMaxMovesNumScrollEdit->Position();
}

void TSystemConfigForm::MouseInitButtonClick(TObject*) {
    if (windowManager_)
        windowManager_->JumpCursor = true;
    JumpCursorCheckBox->SetChecked(true);
    if (windowManager_)
        windowManager_->CursorMoveStep = TWindowManager::kDefaultCursorMoveStep;
    CursorMoveStepNumScrollEdit->SetPosition(TWindowManager::kDefaultCursorMoveStep);
    if (windowManager_)
        windowManager_->CursorMaxMoves = TWindowManager::kDefaultCursorMaxMoves;
    CursorMaxMovesNumScrollEdit->SetPosition(TWindowManager::kDefaultCursorMaxMoves);
}

void TSystemConfigForm::CancelButtonClick(TObject*) {
    ApplySettingsToControls();
}

} // namespace orv
