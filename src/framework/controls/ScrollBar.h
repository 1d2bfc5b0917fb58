// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"

namespace orv {

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
