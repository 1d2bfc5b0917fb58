#include "SysConfF.h"
#include "components/ComponentTexts.h"

#include "components/widgets/NScrEdit.h"
#include "framework/Application.h"
#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"

#include "components/windows/WManager.h"

namespace orv {
namespace {

// The hint and cursor values the two "初期設定に戻す" buttons put back,
// which are also what the application and the window manager start with.
constexpr int kDefaultHintPause = 500;
constexpr int kDefaultHintHidePause = 2500;
constexpr int kDefaultCursorMoveStep = 20;
constexpr int kDefaultCursorMaxMoves = 10;

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
constexpr StoredEdit kCursorMaxMovesEdit{
    "CursorMaxMovesNumScrollEdit",     72, ComponentTexts::CursorMaxMoves, 88, 113, 1, 100, 10,
    ComponentTexts::CursorMaxMovesHint};

template <typename Control>
Control* Make(TForm& form, TWinControl& parent, const char* name, int left, int top, int width,
              int height) {
    auto* control = new Control(&form);
    control->SetName(name);
    control->SetParent(&parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// Sets a number field's stored properties in their storage order; its width
// comes from its parts when it is loaded.
TNumScrollEdit* MakeEdit(TForm& form, TWinControl& parent, const StoredEdit& stored, int width) {
    auto* edit = Make<TNumScrollEdit>(form, parent, stored.name, 8, stored.top, width, 20);
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

TGroupBox* MakeGroupBox(TForm& form, TWinControl& parent, const char* name, int width,
                        const TText& caption, const TText& hint) {
    auto* box = Make<TGroupBox>(form, parent, name, 8, 16, width, 137);
    box->SetCaption(Tr(caption));
    box->SetHint(Tr(hint));
    return box;
}

TCheckBox* MakeCheckBox(TForm& form, TWinControl& parent, const char* name, int width,
                        const TText& caption, const TText& hint) {
    auto* box = Make<TCheckBox>(form, parent, name, 12, 24, width, 17);
    box->SetCaption(Tr(caption));
    box->SetChecked(true);
    box->SetHint(Tr(hint));
    return box;
}

TButton* MakeButton(TForm& form, TWinControl& parent, const char* name, int left, int top,
                    int width, const TText& caption, const TText& hint) {
    auto* button = Make<TButton>(form, parent, name, left, top, width, 25);
    button->SetCaption(Tr(caption));
    button->SetHint(Tr(hint));
    return button;
}

} // namespace

TSystemConfigForm::TSystemConfigForm(TComponent* owner) : TForm(owner) {
    SetName("SystemConfigForm");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetCaption(ComponentTexts::SystemConfigCaption);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 433 + kBorderWidth, 314 + kBorderHeight);
    ConfigPageControl = Make<TPageControl>(*this, *this, "ConfigPageControl", 8, 8, 420, 297);
    ConfigPageControl->SetShowHint(true);
    CreateHelpPage();
    CreateMousePage();
    ConfigPageControl->SetActivePage(HelpTabSheet);
    CreateButtons();
    WireHandlers();
    FinishLoading();
}

void TSystemConfigForm::CreateHelpPage() {
    HelpTabSheet = new TTabSheet(this);
    HelpTabSheet->SetName("HelpTabSheet");
    HelpTabSheet->SetCaption(Tr(ComponentTexts::HelpTab));
    HelpTabSheet->SetPageControl(ConfigPageControl);
    HelpGroupBox = MakeGroupBox(*this, *HelpTabSheet, "HelpGroupBox", 337,
                                ComponentTexts::BalloonHelp, ComponentTexts::BalloonHelpHint);
    ShowHintCheckBox = MakeCheckBox(*this, *HelpGroupBox, "ShowHintCheckBox", 81,
                                    ComponentTexts::ShowHint, ComponentTexts::ShowHintHint);
    HintPauseNumScrollEdit = MakeEdit(*this, *HelpGroupBox, kHintPauseEdit, 312);
    HintHidePauseNumScrollEdit = MakeEdit(*this, *HelpGroupBox, kHintHidePauseEdit, 312);
    HelpInitButton = MakeButton(*this, *HelpGroupBox, "HelpInitButton", 200, 104, 105,
                                ComponentTexts::Defaults, ComponentTexts::DefaultsHint);
}

void TSystemConfigForm::CreateMousePage() {
    MouseTabSheet = new TTabSheet(this);
    MouseTabSheet->SetName("MouseTabSheet");
    MouseTabSheet->SetCaption(Tr(ComponentTexts::MouseTab));
    MouseTabSheet->SetPageControl(ConfigPageControl);
    JumpCursorGroupBox = MakeGroupBox(*this, *MouseTabSheet, "JumpCursorGroupBox", 297,
                                      ComponentTexts::JumpCursor, ComponentTexts::JumpCursorHint);
    JumpCursorCheckBox =
        MakeCheckBox(*this, *JumpCursorGroupBox, "JumpCursorCheckBox", 105,
                     ComponentTexts::JumpCursorOn, ComponentTexts::JumpCursorOnHint);
    CursorMoveStepNumScrollEdit = MakeEdit(*this, *JumpCursorGroupBox, kCursorMoveStepEdit, 273);
    CursorMaxMovesNumScrollEdit = MakeEdit(*this, *JumpCursorGroupBox, kCursorMaxMovesEdit, 273);
    MouseInitButton = MakeButton(*this, *JumpCursorGroupBox, "MouseInitButton", 168, 104, 105,
                                 ComponentTexts::Defaults, ComponentTexts::DefaultsHint);
}

void TSystemConfigForm::CreateButtons() {
    SetButton = MakeButton(*this, *this, "SetButton", 248, 272, 75, ComponentTexts::Set,
                           ComponentTexts::SetHint);
    SetButton->SetModalResult(mrOk);
    CancelButton = MakeButton(*this, *this, "CancelButton", 336, 272, 75, ComponentTexts::Cancel,
                              ComponentTexts::CancelHint);
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetCancel(true);
}

void TSystemConfigForm::WireHandlers() {
    ShowHintCheckBox->OnClick = [this](TObject* s) { ShowHintCheckBoxClick(s); };
    HintPauseNumScrollEdit->OnChange = [this](TObject* s) { HintPauseNumScrollEditChange(s); };
    HintHidePauseNumScrollEdit->OnChange = [this](TObject* s) {
        HintHidePauseNumScrollEditChange(s);
    };
    HelpInitButton->OnClick = [this](TObject* s) { HelpInitButtonClick(s); };
    JumpCursorCheckBox->OnClick = [this](TObject* s) { JumpCursorCheckBoxClick(s); };
    CursorMoveStepNumScrollEdit->OnChange = [this](TObject* s) {
        CursorMoveStepNumScrollEditChange(s);
    };
    CursorMaxMovesNumScrollEdit->OnChange = [this](TObject* s) {
        CursorMaxMovesNumScrollEditChange(s);
    };
    MouseInitButton->OnClick = [this](TObject* s) { MouseInitButtonClick(s); };
    CancelButton->OnClick = [this](TObject* s) { CancelButtonClick(s); };
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
    Application().SetHintPause(kDefaultHintPause);
    HintPauseNumScrollEdit->SetPosition(kDefaultHintPause);
    Application().SetHintHidePause(kDefaultHintHidePause);
    HintHidePauseNumScrollEdit->SetPosition(kDefaultHintHidePause);
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
        windowManager_->CursorMoveStep = kDefaultCursorMoveStep;
    CursorMoveStepNumScrollEdit->SetPosition(kDefaultCursorMoveStep);
    if (windowManager_)
        windowManager_->CursorMaxMoves = kDefaultCursorMaxMoves;
    CursorMaxMovesNumScrollEdit->SetPosition(kDefaultCursorMaxMoves);
}

void TSystemConfigForm::CancelButtonClick(TObject*) {
    ApplySettingsToControls();
}

} // namespace orv
