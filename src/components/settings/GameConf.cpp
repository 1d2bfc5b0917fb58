#include "GameConf.h"
#include "components/ComponentTexts.h"

#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"

namespace orv {
namespace {

TButton* MakeButton(TGameConfigForm& form, TWinControl& parent, const char* name, int left,
                    const TText& caption, int modalResult, const TText& hint) {
    auto* button = new TButton(&form);
    button->SetName(name);
    button->SetParent(&parent);
    button->SetBounds(left, 160, 75, 25);
    button->SetCaption(Tr(caption));
    button->SetModalResult(modalResult);
    button->SetHint(Tr(hint));
    button->SetShowHint(true);
    return button;
}

TCheckBox* MakeCheckBox(TGameConfigForm& form, TWinControl& parent, const char* name, int left,
                        int top, int width, const TText& caption, const TText& hint) {
    auto* box = new TCheckBox(&form);
    box->SetName(name);
    box->SetParent(&parent);
    box->SetBounds(left, top, width, 17);
    box->SetCaption(Tr(caption));
    box->SetHint(Tr(hint));
    box->SetShowHint(true);
    return box;
}

} // namespace

TGameConfigForm::TGameConfigForm(TComponent* owner) : TForm(owner) {
    SetName("GameConfigForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(ComponentTexts::GameConfigCaption);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 353 + kBorderWidth, 231 + kBorderHeight);
    GamePageControl = new TPageControl(this);
    GamePageControl->SetName("GamePageControl");
    GamePageControl->SetParent(this);
    GamePageControl->SetBounds(8, 8, 337, 217);
    SoundTabSheet = new TTabSheet(this);
    SoundTabSheet->SetName("SoundTabSheet");
    SoundTabSheet->SetCaption(Tr(ComponentTexts::SoundTab));
    SoundTabSheet->SetPageControl(GamePageControl);
    SetButton = MakeButton(*this, *SoundTabSheet, "SetButton", 152, ComponentTexts::Set, mrOk,
                           ComponentTexts::SetHint);
    CancelButton = MakeButton(*this, *SoundTabSheet, "CancelButton", 240, ComponentTexts::Cancel,
                              mrCancel, ComponentTexts::CancelHint);
    CancelButton->SetCancel(true);
    EffectSoundGroupBox = new TGroupBox(this);
    EffectSoundGroupBox->SetName("EffectSoundGroupBox");
    EffectSoundGroupBox->SetParent(SoundTabSheet);
    EffectSoundGroupBox->SetBounds(16, 8, 289, 105);
    EffectSoundGroupBox->SetCaption(Tr(ComponentTexts::EffectSound));
    EffectSoundGroupBox->SetHint(Tr(ComponentTexts::EffectSoundHint));
    EffectSoundGroupBox->SetShowHint(true);
    SoundCheckBox = MakeCheckBox(*this, *EffectSoundGroupBox, "SoundCheckBox", 16, 16, 265,
                                 ComponentTexts::EffectSoundOn, ComponentTexts::EffectSoundOnHint);
    SoundCheckBox->OnClick = [this](TObject* sender) { SoundCheckBoxClick(sender); };
    LaserSoundCheckBox =
        MakeCheckBox(*this, *EffectSoundGroupBox, "LaserSoundCheckBox", 32, 40, 249,
                     ComponentTexts::LaserSound, ComponentTexts::LaserSoundHint);
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
