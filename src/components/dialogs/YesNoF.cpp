// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "YesNoF.h"
#include "components/ComponentTexts.h"

#include "framework/controls/Buttons.h"
#include "framework/controls/Creation.h"
#include "framework/controls/Label.h"

#include <cmath>

namespace orv {
namespace {

constexpr int kButtonGap = 16;

} // namespace

TYesNoForm::TYesNoForm(TComponent* owner) : TForm(owner) {
    SetName("YesNoForm");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption(ComponentTexts::Confirm);
    SetBounds(312, 585, 232 + kBorderWidth, 73 + kBorderHeight);
    MessageLabel = CreateControl<TLabel>(*this, *this, "MessageLabel", {0, 12, 232, 15});
    MessageLabel->SetAutoSize(false);
    MessageLabel->SetAlignment(TAlignment::taCenter);
    MessageLabel->SetCaption(Tr(ComponentTexts::ExecuteQuestion));
    YesButton = CreateControl<TButton>(*this, *this, "YesButton", {48, 42, 64, 25});
    YesButton->SetCaption(Tr(ComponentTexts::Yes));
    YesButton->SetModalResult(mrYes);
    YesButton->SetShowHint(true);
    NoButton = CreateControl<TButton>(*this, *this, "NoButton", {128, 42, 64, 25});
    NoButton->SetCaption(Tr(ComponentTexts::No));
    NoButton->SetModalResult(mrNo);
    NoButton->SetShowHint(true);
    OnResize = Bind(&TYesNoForm::FormResize, this);
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
