#include "AboutF.h"
#include "components/ComponentTexts.h"

#include "framework/ExtCtrls.h"
#include "framework/Picture.h"
#include "framework/StdCtrls.h"

#include <cmath>

namespace orv {
namespace {

TLabel* MakeLabel(TAboutForm& form, const char* name, int top) {
    auto* label = new TLabel(&form);
    label->SetName(name);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(64, top, 160, 15);
    label->SetAlignment(TAlignment::taCenter);
    label->SetCaption(name);
    return label;
}

TPanel* MakePanel(TAboutForm& form, const char* name, int top) {
    auto* panel = new TPanel(&form);
    panel->SetName(name);
    panel->SetParent(&form);
    panel->SetBounds(8, top, 40, 40);
    panel->SetBevelOuter(TBevelCut::bvRaised);
    panel->SetBevelWidth(2);
    return panel;
}

TPaintBox* MakePaintBox(TAboutForm& form, TPanel& panel, const char* name) {
    auto* box = new TPaintBox(&form);
    box->SetName(name);
    box->SetParent(&panel);
    box->SetBounds(2, 2, 36, 36);
    return box;
}

} // namespace

TAboutForm::TAboutForm(TComponent* owner) : TForm(owner) {
    SetName("AboutForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(ComponentTexts::AboutCaption);
    SetPosition(TPosition::poMainFormCenter);
    SetBounds(0, 0, 232 + kBorderWidth, 169 + kBorderHeight);
    SetHint(Tr(ComponentTexts::AboutHint));
    SetShowHint(true);
    Name1Label = MakeLabel(*this, "Name1Label", 12);
    Name2Label = MakeLabel(*this, "Name2Label", 32);
    Name3Label = MakeLabel(*this, "Name3Label", 52);
    VersionLabel = MakeLabel(*this, "VersionLabel", 72);
    MakerLabel = MakeLabel(*this, "MakerLabel", 96);
    YearLabel = MakeLabel(*this, "YearLabel", 116);
    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetParent(this);
    OKButton->SetBounds(94, 140, 56, 25);
    OKButton->SetCaption(Tr(ComponentTexts::AboutOk));
    OKButton->SetHint(Tr(ComponentTexts::AboutOkHint));
    OKButton->SetShowHint(true);
    OKButton->SetCancel(true);
    OKButton->OnClick = [this](TObject* sender) { OKButtonClick(sender); };
    ProgramPanel = MakePanel(*this, "ProgramPanel", 10);
    ProgramPaintBox = MakePaintBox(*this, *ProgramPanel, "ProgramPaintBox");
    ProgramPaintBox->OnPaint = [this](TObject* sender) { ProgramPaintBoxPaint(sender); };
    MakerPanel = MakePanel(*this, "MakerPanel", 92);
    MakerPaintBox = MakePaintBox(*this, *MakerPanel, "MakerPaintBox");
    MakerPaintBox->OnPaint = [this](TObject* sender) { MakerPaintBoxPaint(sender); };
    SetActiveControl(OKButton);
    OnResize = [this](TObject* sender) { FormResize(sender); };
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
