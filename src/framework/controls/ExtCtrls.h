// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/controls/Controls.h"

namespace orv {

enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised };

// A box drawn as a one-pixel sunken or raised line.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner);
    TBevelCut Style() const { return style_; }
    void SetStyle(TBevelCut style);

protected:
    void Paint() override;

private:
    TBevelCut style_ = TBevelCut::bvLowered;
};

// A container that draws a bevelled border of BevelWidth pixels.
class TCustomPanel : public TWinControl {
public:
    explicit TCustomPanel(TComponent* owner);

    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    // With ParentColor the panel shows whatever its parent shows behind it
    // instead of filling itself with its own Color.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);

protected:
    void Paint() override;

private:
    int bevelWidth_ = 1;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    bool parentColor_ = false;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};

// Draws a frame of the given width inside rect: raised is light on the top
// and left, dark on the bottom and right; lowered the other way round.
void DrawBevelFrame(TCanvas& canvas, const TRect& rect, TBevelCut cut, int width);

} // namespace orv
