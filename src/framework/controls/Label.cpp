// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/controls/Label.h"

#include <algorithm>

namespace orv {
namespace {

constexpr const char* kEllipsis = "…";

// Drops whole characters from the end until the text and "…" fit, so a
// translation longer than the stored layout allows is shortened, not cut.
std::string FitText(const TCanvas& canvas, const std::string& text, int width) {
    if (canvas.TextWidth(text) <= width)
        return text;
    std::string kept = text;
    while (!kept.empty()) {
        // A UTF-8 character's continuation bytes, then its first byte.
        while ((static_cast<unsigned char>(kept.back()) & 0xC0) == 0x80 && kept.size() > 1)
            kept.pop_back();
        kept.pop_back();
        if (canvas.TextWidth(kept + kEllipsis) <= width)
            break;
    }
    return kept + kEllipsis;
}

} // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {}

void TLabel::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    AdjustSize();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustSize();
}

void TLabel::AdjustSize() {
    if (!autoSize_)
        return;
    Canvas().Font() = Font();
    const TSize extent = Canvas().TextExtent(caption_.empty() ? " " : caption_);
    SetBounds(Left(), Top(), caption_.empty() ? Width() : extent.cx, extent.cy);
}

void TLabel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Font() = Font();
    canvas.Brush() = {Color(), transparent_ ? TBrushStyle::bsClear : TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, Width(), Height()});
    canvas.Brush().Style = TBrushStyle::bsClear;
    const std::string shown = autoSize_ ? caption_ : FitText(canvas, caption_, Width());
    const int textWidth = canvas.TextWidth(shown);
    int x = 0;
    if (alignment_ == TAlignment::taCenter)
        x = (Width() - textWidth) / 2;
    else if (alignment_ == TAlignment::taRightJustify)
        x = Width() - textWidth;
    canvas.TextOut(x, TextTop(canvas), shown);
}

std::string TLabel::ShownCaption() {
    Canvas().Font() = Font();
    return autoSize_ ? caption_ : FitText(Canvas(), caption_, Width());
}

// A font whose cell is taller than a fixed-size label would lose the bottom
// rows of its glyphs: the text moves up into the empty top of its cell, as far
// as its ink allows.
int TLabel::TextTop(TCanvas& canvas) const {
    if (autoSize_ || caption_.empty() || canvas.TextHeight(caption_) <= Height())
        return 0;
    const TRect ink = canvas.TextInk(caption_);
    return std::max(-ink.Top, std::min(0, Height() - ink.Bottom));
}

} // namespace orv
