// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TezFrame.h"

#include "framework/controls/Creation.h"

namespace orv {

TTezFrame::TTezFrame(TComponent* owner) : TCustomPanel(owner) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    // Placed once the frame knows its client size.
    outerBevel_ = CreateControl<TBevel>(*this, *this, "", {});
    innerBevel_ = CreateControl<TBevel>(*this, *this, "", {});
    titleLabel_ = CreateControl<TLabel>(*this, *this, "", {});
    SetBevelWidth(2);
    SetBevelOuter(TBevelCut::bvRaised);
    SetClientWidth(Width() - kExtraWidth);
    SetClientHeight(Height() - kExtraHeight);
    PlaceBevels();
    titleLabel_->SetTransparent(true);
    TFont font = titleLabel_->Font();
    font.SetName(Font().Name());
    font.SetHeight(-11);
    font.SetBold(true);
    titleLabel_->SetFont(font);
    titleLabel_->SetBounds(8, 2, titleLabel_->Width(), titleLabel_->Height());
}

void TTezFrame::SetClientWidth(int value) {
    if (value < 0)
        return;
    clientWidth_ = value;
    SetWidth(value + kExtraWidth);
    PlaceBevels();
}

void TTezFrame::SetClientHeight(int value) {
    if (value < 0)
        return;
    clientHeight_ = value;
    SetHeight(value + kExtraHeight);
    PlaceBevels();
}

void TTezFrame::Resize() {
    TCustomPanel::Resize();
    if (Width() < kExtraWidth)
        SetWidth(kExtraWidth);
    if (Height() < kExtraHeight)
        SetHeight(kExtraHeight);
    SetClientWidth(Width() - kExtraWidth);
    SetClientHeight(Height() - kExtraHeight);
    PlaceBevels();
}

void TTezFrame::PlaceBevels() {
    // The bevels are created after the first size is set.
    if (!outerBevel_ || !innerBevel_)
        return;
    outerBevel_->SetBounds(6, 12, clientWidth_ + 4, clientHeight_ + 4);
    innerBevel_->SetBounds(7, 13, clientWidth_ + 2, clientHeight_ + 2);
}

} // namespace orv
