// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/ExtCtrls.h"

namespace orv {
namespace {
constexpr TColor kHighlight = clWhite;
constexpr TColor kShadow = RGB(128, 128, 128);
} // namespace

void DrawBevelFrame(TCanvas& canvas, const TRect& rect, TBevelCut cut, int width) {
    if (cut == TBevelCut::bvNone)
        return;
    const TColor topLeft = cut == TBevelCut::bvRaised ? kHighlight : kShadow;
    const TColor bottomRight = cut == TBevelCut::bvRaised ? kShadow : kHighlight;
    const TBrush saved = canvas.Brush();
    for (int i = 0; i < width; ++i) {
        const TRect r{rect.Left + i, rect.Top + i, rect.Right - i, rect.Bottom - i};
        if (r.Width() <= 0 || r.Height() <= 0)
            break;
        canvas.Brush() = {topLeft, TBrushStyle::bsSolid};
        canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
        canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
        canvas.Brush() = {bottomRight, TBrushStyle::bsSolid};
        canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
    }
    canvas.Brush() = saved;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {}

void TBevel::SetStyle(TBevelCut style) {
    style_ = style;
    Invalidate();
}

void TBevel::Paint() {
    DrawBevelFrame(Canvas(), {0, 0, Width(), Height()}, style_, 1);
}

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) {
    AttachPaintPeer();
}

void TCustomPanel::SetBevelWidth(int width) {
    bevelWidth_ = width;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    Invalidate();
}

void TCustomPanel::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& canvas = Canvas();
    // With ParentColor the parent simply shows through.
    if (!parentColor_) {
        canvas.Brush() = {Color(), TBrushStyle::bsSolid};
        canvas.FillRect({0, 0, Width(), Height()});
    }
    DrawBevelFrame(canvas, {0, 0, Width(), Height()}, bevelOuter_, bevelWidth_);
}

} // namespace orv
