#include "StdCtrls.h"

namespace orv {

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
    const int textWidth = canvas.TextWidth(caption_);
    int x = 0;
    if (alignment_ == TAlignment::taCenter)
        x = (Width() - textWidth) / 2;
    else if (alignment_ == TAlignment::taRightJustify)
        x = Width() - textWidth;
    canvas.TextOut(x, 0, caption_);
}

} // namespace orv
