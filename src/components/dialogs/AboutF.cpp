// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AboutF.h"
#include "components/ComponentTexts.h"

#include "framework/controls/Buttons.h"
#include "framework/controls/Creation.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Label.h"
#include "framework/drawing/Picture.h"

#include <cmath>
#include <tuple>

namespace orv {

TAboutForm::TAboutForm(TComponent* owner) : TForm(owner) {
    SetName("AboutForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(ComponentTexts::AboutCaption);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 232 + kBorderWidth, 169 + kBorderHeight);
    SetHint(Tr(ComponentTexts::AboutHint));
    SetShowHint(true);
    // Each label shows its own name until the dialog puts its text in.
    for (auto [field, name, top] : {std::tuple{&TAboutForm::Name1Label, "Name1Label", 12},
                                    {&TAboutForm::Name2Label, "Name2Label", 32},
                                    {&TAboutForm::Name3Label, "Name3Label", 52},
                                    {&TAboutForm::VersionLabel, "VersionLabel", 72},
                                    {&TAboutForm::MakerLabel, "MakerLabel", 96},
                                    {&TAboutForm::YearLabel, "YearLabel", 116}}) {
        TLabel* label = CreateControl<TLabel>(*this, *this, name, {64, top, 160, 15});
        label->SetAutoSize(false);
        label->SetAlignment(TAlignment::taCenter);
        label->SetCaption(name);
        this->*field = label;
    }
    OKButton = CreateControl<TButton>(*this, *this, "OKButton", {94, 140, 56, 25});
    OKButton->SetCaption(Tr(ComponentTexts::AboutOk));
    OKButton->SetHint(Tr(ComponentTexts::AboutOkHint));
    OKButton->SetShowHint(true);
    OKButton->SetCancel(true);
    OKButton->OnClick = Bind(&TAboutForm::OKButtonClick, this);
    ProgramPanel = CreateControl<TPanel>(*this, *this, "ProgramPanel", {8, 10, 40, 40});
    ProgramPanel->SetBevelOuter(TBevelCut::bvRaised);
    ProgramPanel->SetBevelWidth(2);
    ProgramPaintBox =
        CreateControl<TPaintBox>(*this, *ProgramPanel, "ProgramPaintBox", {2, 2, 36, 36});
    ProgramPaintBox->OnPaint = Bind(&TAboutForm::ProgramPaintBoxPaint, this);
    MakerPanel = CreateControl<TPanel>(*this, *this, "MakerPanel", {8, 92, 40, 40});
    MakerPanel->SetBevelOuter(TBevelCut::bvRaised);
    MakerPanel->SetBevelWidth(2);
    MakerPaintBox = CreateControl<TPaintBox>(*this, *MakerPanel, "MakerPaintBox", {2, 2, 36, 36});
    MakerPaintBox->OnPaint = Bind(&TAboutForm::MakerPaintBoxPaint, this);
    SetActiveControl(OKButton);
    OnResize = Bind(&TAboutForm::FormResize, this);
    FinishLoading();
}

void TAboutForm::OKButtonClick(TObject*) {
    SetModalResult(mrOk);
}

void TAboutForm::SetPictures(TPicture& program, TPicture& maker) {
    programPicture_ = &program;
    makerPicture_ = &maker;
    if (program.Empty())
        program.LoadIcon("MAINICON");
}

void TAboutForm::ProgramPaintBoxPaint(TObject*) {
    if (programPicture_)
        programPicture_->Draw(ProgramPaintBox->Canvas(), 2, 2);
}

void TAboutForm::MakerPaintBoxPaint(TObject*) {
    if (makerPicture_)
        makerPicture_->Draw(MakerPaintBox->Canvas(), 2, 2);
}

void TAboutForm::FormResize(TObject*) {
    const int width = ClientWidth();
    for (TLabel* label : {Name1Label, Name2Label, Name3Label, VersionLabel, MakerLabel, YearLabel})
        label->SetWidth(width - 72);
    OKButton->SetLeft(static_cast<int>(std::lrint((width - OKButton->Width()) / 2.0)));
}

} // namespace orv
