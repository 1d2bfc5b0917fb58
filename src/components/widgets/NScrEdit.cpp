// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NScrEdit.h"

#include "framework/app/Keys.h"
#include "framework/controls/Creation.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Label.h"
#include "framework/controls/ScrollBar.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace orv {
namespace {

constexpr int kHeight = 20;
constexpr int kFirstScrollBarWidth = 120;

// Draws a path of horizontal and vertical lines, each without its end
// point, the way a pen moving from point to point draws it. Filled one pixel
// wide so that it stays sharp on a doubled screen.
void DrawPath(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points) {
    canvas.Brush() = {color, TBrushStyle::bsSolid};
    const TPoint* from = nullptr;
    for (const TPoint& to : points) {
        if (from && from->Y == to.Y) {
            const int left = to.X > from->X ? from->X : to.X + 1;
            const int right = to.X > from->X ? to.X : from->X + 1;
            canvas.FillRect({left, to.Y, right, to.Y + 1});
        } else if (from) {
            const int top = to.Y > from->Y ? from->Y : to.Y + 1;
            const int bottom = to.Y > from->Y ? to.Y : from->Y + 1;
            canvas.FillRect({to.X, top, to.X + 1, bottom});
        }
        from = &to;
    }
}

TForm* EnclosingForm(const TControl& control) {
    for (TWinControl* parent = control.Parent(); parent; parent = parent->Parent())
        if (auto* form = dynamic_cast<TForm*>(parent))
            return form;
    return nullptr;
}

} // namespace

TNumScrollEdit::TNumScrollEdit(TComponent* owner) : TCustomPanel(owner) {
    SetBevelOuter(TBevelCut::bvNone);
    SetParentColor(true);
    // The parts have no names; the captions size themselves, the item's
    // keeps the width the form gives it.
    itemLabel_ = CreateControl<TLabel>(*this, *this, "", {4, 0, 0, 0});
    itemLabel_->SetAutoSize(false);
    decLabel_ = CreateControl<TLabel>(*this, *this, "", {0, 4, 0, 0});
    decLabel_->SetCaption("-");
    scrollBar_ = CreateControl<TScrollBar>(*this, *this, "", {0, 0, kFirstScrollBarWidth, kHeight});
    scrollBar_->OnChange = Bind(&TNumScrollEdit::ScrollBarChange, this);
    scrollBar_->OnKeyDown = Bind(&TNumScrollEdit::ScrollBarKeyDown, this);
    incLabel_ = CreateControl<TLabel>(*this, *this, "", {0, 4, 0, 0});
    incLabel_->SetCaption("+");
    // The parts show no hints of their own: the control's hint covers them.
    for (TControl* part :
         std::initializer_list<TControl*>{itemLabel_, decLabel_, scrollBar_, incLabel_}) {
        part->SetParentShowHint(false);
        part->SetShowHint(false);
    }
    PassFocusTo(*scrollBar_);
    SetHeight(kHeight);
    numFont_ = Font();
    labelFont_ = Font();
    SetFontHeights();
    scrollBarWidth_ = scrollBar_->Width();
    created_ = true;
    autoWidth_ = true;
    ArrangeParts();
}

TNumScrollEdit::~TNumScrollEdit() {
    created_ = false;
}

void TNumScrollEdit::Loaded() {
    TCustomPanel::Loaded();
    autoWidth_ = true;
    ArrangeParts();
}

void TNumScrollEdit::SetFontHeights() {
    labelFontHeight_ = std::abs(labelFont_.Height());
    numFontHeight_ = std::abs(numFont_.Height());
}

void TNumScrollEdit::EnabledChanged() {
    scrollBar_->SetEnabled(Enabled());
    Invalidate();
}

void TNumScrollEdit::SetNumAreaWidth(int width) {
    if (width <= 0)
        return;
    numAreaWidth_ = width;
    ArrangeParts();
}

void TNumScrollEdit::SetScrollBarWidth(int width) {
    if (width <= 0)
        return;
    scrollBarWidth_ = width;
    scrollBar_->SetWidth(width);
    SetWidth(scrollBar_->Left() + width + incLabel_->Width() + 4);
}

void TNumScrollEdit::SetNumFont(const TFont& font) {
    numFont_ = font;
    SetFontHeights();
    SetFont(numFont_);
    Invalidate();
}

void TNumScrollEdit::SetLabelFont(const TFont& font) {
    labelFont_ = font;
    SetFontHeights();
    autoWidth_ = true;
    ArrangeParts();
}

int TNumScrollEdit::ItemWidth() const {
    return itemLabel_->Width();
}

void TNumScrollEdit::SetItemWidth(int width) {
    itemLabel_->SetWidth(width);
    autoWidth_ = true;
    ArrangeParts();
}

const std::string& TNumScrollEdit::ItemCaption() const {
    return itemLabel_->Caption();
}

void TNumScrollEdit::SetItemCaption(const std::string& caption) {
    itemLabel_->SetCaption(caption);
    ArrangeParts();
}

const std::string& TNumScrollEdit::DecCaption() const {
    return decLabel_->Caption();
}

void TNumScrollEdit::SetDecCaption(const std::string& caption) {
    decLabel_->SetCaption(caption);
    autoWidth_ = true;
    ArrangeParts();
}

const std::string& TNumScrollEdit::IncCaption() const {
    return incLabel_->Caption();
}

void TNumScrollEdit::SetIncCaption(const std::string& caption) {
    incLabel_->SetCaption(caption);
    autoWidth_ = true;
    ArrangeParts();
}

int TNumScrollEdit::Position() const {
    return scrollBar_->Position();
}

void TNumScrollEdit::SetPosition(int position) {
    scrollBar_->SetPosition(position);
}

int TNumScrollEdit::Min() const {
    return scrollBar_->Min();
}

void TNumScrollEdit::SetMin(int min) {
    scrollBar_->SetMin(min);
}

int TNumScrollEdit::Max() const {
    return scrollBar_->Max();
}

void TNumScrollEdit::SetMax(int max) {
    scrollBar_->SetMax(max);
}

int TNumScrollEdit::LargeChange() const {
    return scrollBar_->LargeChange();
}

void TNumScrollEdit::SetLargeChange(int change) {
    scrollBar_->SetLargeChange(change);
}

int TNumScrollEdit::SmallChange() const {
    return scrollBar_->SmallChange();
}

void TNumScrollEdit::SetSmallChange(int change) {
    scrollBar_->SetSmallChange(change);
}

void TNumScrollEdit::ArrangeParts() {
    const int height = Height();
    if (created_) {
        const int top = (height - labelFontHeight_) / 2;
        for (TLabel* label : {itemLabel_, decLabel_, incLabel_}) {
            label->SetFont(labelFont_);
            label->SetTop(top);
        }
        itemLabel_->SetHeight(labelFontHeight_);
    }
    decLabel_->SetLeft(ItemWidth() + numAreaWidth_ + 12);
    scrollBar_->SetBounds(decLabel_->Left() + decLabel_->Width() + 4, scrollBar_->Top(),
                          scrollBar_->Width(), height);
    if (autoWidth_)
        SetWidth(scrollBar_->Left() + scrollBar_->Width() + incLabel_->Width() + 4);
    else
        scrollBar_->SetWidth(scrollBarWidth_);
    autoWidth_ = false;
    incLabel_->SetLeft(scrollBar_->Left() + scrollBar_->Width() + 4);
    Invalidate();
}

void TNumScrollEdit::Resize() {
    if (!created_)
        return;
    SetScrollBarWidth(Width() - scrollBar_->Left() - incLabel_->Width() - 4);
    ArrangeParts();
}

int TNumScrollEdit::NumAreaLeft() const {
    return ItemWidth() + 8;
}

void TNumScrollEdit::Paint() {
    TCustomPanel::Paint();
    PaintNumber();
    PaintFrame();
}

void TNumScrollEdit::DrawNumber() {
    InvalidateRect({NumAreaLeft(), 0, NumAreaLeft() + numAreaWidth_, Height()});
}

void TNumScrollEdit::PaintNumber() {
    TCanvas& canvas = Canvas();
    const int a = NumAreaLeft();
    const int height = Height();
    canvas.Brush() = {clWindow, TBrushStyle::bsSolid};
    canvas.FillRect({a + 2, 2, a + numAreaWidth_ - 2, height - 2});
    canvas.Font() = Font();
    canvas.Font().SetColor(Enabled() ? clWindowText : clGrayText);
    canvas.Brush().Style = TBrushStyle::bsClear;
    const std::string text = std::to_string(Position());
    // The box is laid out for half-width digits; when the widest number of
    // the range would not fit in the face's own, every number takes a
    // fixed-pitch face, so the leading digit is never lost.
    const int right = a + numAreaWidth_ - 4;
    const int widest =
        std::max(canvas.TextWidth(std::to_string(Min())), canvas.TextWidth(std::to_string(Max())));
    if (widest > right - (a + 2))
        canvas.Font().SetName(kHalfWidthDigitsFace);
    // Never left of the fill, where the next number would not paint over it.
    const int x = std::max(a + 2, right - canvas.TextWidth(text));
    canvas.TextOut(x, (height - numFontHeight_) / 2 + 1, text);
}

// A sunken frame: dark lines at the top and left, light ones at the bottom
// and right, two pixels deep.
void TNumScrollEdit::PaintFrame() {
    TCanvas& canvas = Canvas();
    const int a = NumAreaLeft();
    const int n = numAreaWidth_;
    const int h = Height();
    DrawPath(canvas, clBtnShadow, {{a + n - 2, 0}, {a, 0}, {a, h - 1}});
    DrawPath(canvas, cl3DDkShadow, {{a + n - 1, 1}, {a + 1, 1}, {a + 1, h - 2}});
    DrawPath(canvas, clBtnHighlight, {{a + n - 1, 0}, {a + n - 1, h - 1}, {a - 1, h - 1}});
    DrawPath(canvas, cl3DLight, {{a + n - 2, 1}, {a + n - 2, h - 2}, {a, h - 2}});
}

void TNumScrollEdit::ScrollBarChange(TObject*) {
    if (OnChange)
        OnChange(this);
    DrawNumber();
}

void TNumScrollEdit::ScrollBarKeyDown(TObject*, int& key, unsigned shift) {
    const bool shifted = (shift & ssShift) != 0;
    if (key == VK_LEFT && shifted) {
        SetPosition(Position() - LargeChange());
    } else if (key == VK_RIGHT && shifted) {
        SetPosition(Position() + LargeChange());
    } else if (key == VK_UP || key == VK_DOWN) {
        if (TForm* form = EnclosingForm(*this))
            form->PostSelectNext(key == VK_DOWN);
    } else {
        return;
    }
    key = 0;
}

} // namespace orv
