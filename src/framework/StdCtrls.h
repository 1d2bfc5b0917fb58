// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Controls.h"

#include <string>

namespace orv {

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// A line of text. With AutoSize it takes its text's size. It is transparent
// unless told otherwise, so it takes on whatever colour its parent has.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The caption as painted: shortened with "…" where a fixed-size label is
    // too narrow for it.
    std::string ShownCaption();

protected:
    void Paint() override;
    void FontChanged() override;

private:
    void AdjustSize();
    int TextTop(TCanvas& canvas) const;

    std::string caption_;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool autoSize_ = true;
    bool transparent_ = true;
};

// A push button. Clicking runs OnClick, then closes its form with the
// button's ModalResult when that is not 0.
class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The caption as shown: shortened with "…" where the button is too narrow.
    std::string ShownCaption() const;
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    // Esc presses the form's cancel button.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

    void Click();
    TNotifyEvent OnClick;
    bool DialogChar(int key) override;

private:
    std::string caption_;
    int modalResult_ = 0;
    bool cancel_ = false;
};

// A check box. Every change of Checked, by the user or by code, runs OnClick.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The caption as shown: shortened with "…" where the box is too narrow.
    std::string ShownCaption() const;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    TNotifyEvent OnClick;
    bool DialogChar(int key) override;

private:
    std::string caption_;
    bool checked_ = false;
};

// A captioned frame around other controls: an etched line whose top runs
// through the middle of the caption. Children are placed from the box's
// top-left corner, caption area included.
class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

protected:
    void Paint() override;

private:
    std::string caption_;
};

enum class TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };

// A scroll bar with a position in Min..Max. Position, Min and Max go through
// one check: a Max below Min raises EInvalidOperation and changes nothing;
// otherwise the position is kept inside the range. OnChange runs whenever
// the position changes, by the user or by the program. The arrows and arrow
// keys move by SmallChange, clicks beside the thumb and the page keys by
// LargeChange, Home and End go to the ends.
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Position() const;
    void SetPosition(int position) { SetParams(position, Min(), Max()); }
    int Min() const;
    void SetMin(int min) { SetParams(Position(), min, Max()); }
    int Max() const;
    void SetMax(int max) { SetParams(Position(), Min(), max); }
    void SetParams(int position, int min, int max);
    int SmallChange() const;
    void SetSmallChange(int change);
    int LargeChange() const;
    void SetLargeChange(int change);

    TNotifyEvent OnChange;
    // Runs before the scroll bar handles a key; setting key to 0 keeps the
    // key from it.
    TKeyEvent OnKeyDown;
    // The scroll bar has lost the keyboard focus.
    TNotifyEvent OnExit;

private:
    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
};

} // namespace orv
