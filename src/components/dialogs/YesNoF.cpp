#include "YesNoF.h"
#include "components/ComponentTexts.h"

#include "framework/StdCtrls.h"

#include <cmath>

namespace orv {
namespace {

constexpr int kButtonGap = 16;

TButton* MakeButton(TYesNoForm& form, const char* name, int left, const TText& caption,
                    int modalResult) {
    auto* button = new TButton(&form);
    button->SetName(name);
    button->SetParent(&form);
    button->SetBounds(left, 42, 64, 25);
    button->SetCaption(Tr(caption));
    button->SetModalResult(modalResult);
    button->SetShowHint(true);
    return button;
}

} // namespace

TYesNoForm::TYesNoForm(TComponent* owner) : TForm(owner) {
    SetName("YesNoForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(ComponentTexts::Confirm);
    SetBounds(312, 585, 232 + kBorderWidth, 73 + kBorderHeight);
    MessageLabel = new TLabel(this);
    MessageLabel->SetName("MessageLabel");
    MessageLabel->SetParent(this);
    MessageLabel->SetAutoSize(false);
    MessageLabel->SetBounds(0, 12, 232, 15);
    MessageLabel->SetAlignment(TAlignment::taCenter);
    MessageLabel->SetCaption(Tr(ComponentTexts::ExecuteQuestion));
    YesButton = MakeButton(*this, "YesButton", 48, ComponentTexts::Yes, mrYes);
    NoButton = MakeButton(*this, "NoButton", 128, ComponentTexts::No, mrNo);
    OnResize = [this](TObject* sender) { FormResize(sender); };
    FinishLoading();
}

void TYesNoForm::FormResize(TObject*) {
    const int width = ClientWidth();
    MessageLabel->SetWidth(width);
    const double free = (width - YesButton->Width() - NoButton->Width() - kButtonGap) / 2.0;
    // Halves go to the even neighbour, as the default rounding mode does.
    YesButton->SetLeft(static_cast<int>(std::lrint(free)));
    NoButton->SetLeft(YesButton->Left() + YesButton->Width() + kButtonGap);
}

} // namespace orv
