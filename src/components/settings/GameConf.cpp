#include "GameConf.h"

#include "framework/ComCtrls.h"
#include "framework/StdCtrls.h"

namespace orv {
namespace {

TButton* MakeButton(TGameConfigForm& form, TWinControl& parent, const char* name, int left,
                    const char* caption, int modalResult, const char* hint) {
    auto* button = new TButton(&form);
    button->SetName(name);
    button->SetParent(&parent);
    button->SetBounds(left, 160, 75, 25);
    button->SetCaption(caption);
    button->SetModalResult(modalResult);
    button->SetHint(hint);
    button->SetShowHint(true);
    return button;
}

TCheckBox* MakeCheckBox(TGameConfigForm& form, TWinControl& parent, const char* name, int left,
                        int top, int width, const char* caption, const char* hint) {
    auto* box = new TCheckBox(&form);
    box->SetName(name);
    box->SetParent(&parent);
    box->SetBounds(left, top, width, 17);
    box->SetCaption(caption);
    box->SetHint(hint);
    box->SetShowHint(true);
    return box;
}

} // namespace

TGameConfigForm::TGameConfigForm(TComponent* owner) : TForm(owner) {
    SetName("GameConfigForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption("ゲーム設定");
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 353 + kBorderWidth, 231 + kBorderHeight);
    GamePageControl = new TPageControl(this);
    GamePageControl->SetName("GamePageControl");
    GamePageControl->SetParent(this);
    GamePageControl->SetBounds(8, 8, 337, 217);
    SoundTabSheet = new TTabSheet(this);
    SoundTabSheet->SetName("SoundTabSheet");
    SoundTabSheet->SetCaption("音");
    SoundTabSheet->SetPageControl(GamePageControl);
    SetButton = MakeButton(*this, *SoundTabSheet, "SetButton", 152, "決定(&S)", mrOk,
                           "今回の設定変更を有効にします。");
    CancelButton = MakeButton(*this, *SoundTabSheet, "CancelButton", 240, "取消(&C)", mrCancel,
                              "今回の変更内容を取り消します。");
    CancelButton->SetCancel(true);
    EffectSoundGroupBox = new TGroupBox(this);
    EffectSoundGroupBox->SetName("EffectSoundGroupBox");
    EffectSoundGroupBox->SetParent(SoundTabSheet);
    EffectSoundGroupBox->SetBounds(16, 8, 289, 105);
    EffectSoundGroupBox->SetCaption("効果音");
    EffectSoundGroupBox->SetHint("ゲーム中の効果音について設定します。");
    EffectSoundGroupBox->SetShowHint(true);
    SoundCheckBox = MakeCheckBox(*this, *EffectSoundGroupBox, "SoundCheckBox", 16, 16, 265,
                                 "鳴らす", "チェックすると効果音を鳴らします。");
    SoundCheckBox->OnClick = [this](TObject* sender) { SoundCheckBoxClick(sender); };
    LaserSoundCheckBox = MakeCheckBox(
        *this, *EffectSoundGroupBox, "LaserSoundCheckBox", 32, 40, 249, "レーザ発射音を鳴らす",
        "このチェックをはずすと、レーザ発射音のみ鳴らさなくなります。");
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
