// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/GroupBox.h"

#include <algorithm>

namespace orv {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
    AttachPaintPeer();
}

void TGroupBox::SetCaption(const std::string& caption) {
    caption_ = caption;
    Invalidate();
}

void TGroupBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font() = Font();
    const TSize text = canvas.TextExtent(caption_.empty() ? " " : caption_);
    const int top = text.cy / 2;
    // The top line stops short of the caption, so the caption stands on
    // whatever lies behind the box (a page's colour, say).
    const int gapLeft = caption_.empty() ? Width() : 6;
    const int gapRight = caption_.empty() ? Width() : 10 + text.cx;
    const auto topLine = [&](int left, int y, int right) {
        canvas.FillRect({left, y, std::min(right, gapLeft), y + 1});
        if (gapRight < right)
            canvas.FillRect({std::max(left, gapRight), y, right, y + 1});
    };
    // An etched frame: a dark line with a light one just inside it.
    canvas.Brush() = {RGB(128, 128, 128), TBrushStyle::bsSolid};
    topLine(0, top, Width() - 1);
    canvas.FillRect({0, top, 1, Height() - 1});
    canvas.FillRect({0, Height() - 2, Width() - 1, Height() - 1});
    canvas.FillRect({Width() - 2, top, Width() - 1, Height() - 1});
    canvas.Brush() = {clWhite, TBrushStyle::bsSolid};
    topLine(1, top + 1, Width() - 2);
    canvas.FillRect({1, top + 1, 2, Height() - 2});
    canvas.FillRect({0, Height() - 1, Width(), Height()});
    canvas.FillRect({Width() - 1, top, Width(), Height()});
    if (caption_.empty())
        return;
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.TextOut(8, 0, caption_);
}

} // namespace orv
