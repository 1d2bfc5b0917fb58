// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/ExtCtrls.h"
#include "framework/drawing/Font.h"

#include <string>

namespace orv {

class TLabel;
class TScrollBar;

// A one-line field for a whole number: from left to right an item caption,
// a sunken box showing the number, a caption before the scroll bar ("-"),
// the scroll bar, and a caption after it ("+"). The number is the scroll
// bar's position. The control lays its parts out itself; its width follows
// them, and a change of its width goes to the scroll bar.
class TNumScrollEdit : public TCustomPanel {
public:
    explicit TNumScrollEdit(TComponent* owner);
    ~TNumScrollEdit() override;

    // The width is worked out from the parts once loading is done.
    void Loaded() override;

    int NumAreaWidth() const { return numAreaWidth_; }
    void SetNumAreaWidth(int width);
    int ScrollBarWidth() const { return scrollBarWidth_; }
    void SetScrollBarWidth(int width);
    const TFont& NumFont() const { return numFont_; }
    void SetNumFont(const TFont& font);
    const TFont& LabelFont() const { return labelFont_; }
    void SetLabelFont(const TFont& font);
    int ItemWidth() const;
    void SetItemWidth(int width);
    const std::string& ItemCaption() const;
    void SetItemCaption(const std::string& caption);
    const std::string& DecCaption() const;
    void SetDecCaption(const std::string& caption);
    const std::string& IncCaption() const;
    void SetIncCaption(const std::string& caption);
    int Position() const;
    void SetPosition(int position);
    int Min() const;
    void SetMin(int min);
    int Max() const;
    void SetMax(int max);
    int LargeChange() const;
    void SetLargeChange(int change);
    int SmallChange() const;
    void SetSmallChange(int change);

    TNotifyEvent OnChange;

    TLabel& ItemLabel() const { return *itemLabel_; }
    TLabel& DecLabel() const { return *decLabel_; }
    TScrollBar& ScrollBar() const { return *scrollBar_; }
    TLabel& IncLabel() const { return *incLabel_; }

    void ArrangeParts();
    // Redraws the number only.
    void DrawNumber();

protected:
    void Paint() override;
    // The scroll bar takes up every change of the control's width.
    void Resize() override;
    // Disabled, the scroll bar stops and the number turns grey; the captions
    // stay as they are.
    void EnabledChanged() override;

private:
    void PaintNumber();
    void PaintFrame();
    int NumAreaLeft() const;
    void ScrollBarChange(TObject* sender);
    void ScrollBarKeyDown(TObject* sender, int& key, unsigned shift);
    void SetFontHeights();

    TLabel* itemLabel_ = nullptr;
    TLabel* decLabel_ = nullptr;
    TScrollBar* scrollBar_ = nullptr;
    TLabel* incLabel_ = nullptr;
    int numAreaWidth_ = 40;
    int scrollBarWidth_ = 0;
    TFont numFont_;
    TFont labelFont_;
    int labelFontHeight_ = 0;
    int numFontHeight_ = 0;
    // The next ArrangeParts sets the control's width from its parts.
    bool autoWidth_ = false;
    // From the end of construction until destruction.
    bool created_ = false;
};

} // namespace orv
