// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameConf.h"
#include "components/ComponentTexts.h"

#include "framework/controls/Buttons.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/Creation.h"
#include "framework/controls/GroupBox.h"

namespace orv {

TGameConfigForm::TGameConfigForm(TComponent* owner) : TForm(owner) {
    SetName("GameConfigForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(ComponentTexts::GameConfigCaption);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 353 + kBorderWidth, 231 + kBorderHeight);
    GamePageControl =
        CreateControl<TPageControl>(*this, *this, "GamePageControl", {8, 8, 337, 217});
    SoundTabSheet = CreateComponent<TTabSheet>(*this, "SoundTabSheet");
    SoundTabSheet->SetCaption(Tr(ComponentTexts::SoundTab));
    SoundTabSheet->SetPageControl(GamePageControl);
    SetButton = CreateControl<TButton>(*this, *SoundTabSheet, "SetButton", {152, 160, 75, 25});
    SetButton->SetCaption(Tr(ComponentTexts::Set));
    SetButton->SetModalResult(mrOk);
    SetButton->SetHint(Tr(ComponentTexts::SetHint));
    SetButton->SetShowHint(true);
    CancelButton =
        CreateControl<TButton>(*this, *SoundTabSheet, "CancelButton", {240, 160, 75, 25});
    CancelButton->SetCaption(Tr(ComponentTexts::Cancel));
    CancelButton->SetModalResult(mrCancel);
    CancelButton->SetHint(Tr(ComponentTexts::CancelHint));
    CancelButton->SetShowHint(true);
    CancelButton->SetCancel(true);
    EffectSoundGroupBox =
        CreateControl<TGroupBox>(*this, *SoundTabSheet, "EffectSoundGroupBox", {16, 8, 289, 105});
    EffectSoundGroupBox->SetCaption(Tr(ComponentTexts::EffectSound));
    EffectSoundGroupBox->SetHint(Tr(ComponentTexts::EffectSoundHint));
    EffectSoundGroupBox->SetShowHint(true);
    SoundCheckBox =
        CreateControl<TCheckBox>(*this, *EffectSoundGroupBox, "SoundCheckBox", {16, 16, 265, 17});
    SoundCheckBox->SetCaption(Tr(ComponentTexts::EffectSoundOn));
    SoundCheckBox->SetHint(Tr(ComponentTexts::EffectSoundOnHint));
    SoundCheckBox->SetShowHint(true);
    SoundCheckBox->OnClick = Bind(&TGameConfigForm::SoundCheckBoxClick, this);
    LaserSoundCheckBox = CreateControl<TCheckBox>(*this, *EffectSoundGroupBox, "LaserSoundCheckBox",
                                                  {32, 40, 249, 17});
    LaserSoundCheckBox->SetCaption(Tr(ComponentTexts::LaserSound));
    LaserSoundCheckBox->SetHint(Tr(ComponentTexts::LaserSoundHint));
    LaserSoundCheckBox->SetShowHint(true);
    GamePageControl->SetActivePage(SoundTabSheet);
    FinishLoading();
}

void TGameConfigForm::Loaded() {
    TForm::Loaded();
    GamePageControl->SetBounds(8, 8, ClientWidth() - 16, ClientHeight() - 16);
}

void TGameConfigForm::SoundCheckBoxClick(TObject*) {
    LaserSoundCheckBox->SetEnabled(SoundCheckBox->Checked());
}

} // namespace orv
