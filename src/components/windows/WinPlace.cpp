// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WinPlace.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace orv {
namespace {

// The start of a title bar: what a person needs on the screen to drag a
// window back.
constexpr std::int64_t kGripWidth = 40;
constexpr std::int64_t kGripHeight = 20;

int Saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// One axis: start and extent of the window, extent of the screen, and how
// much of the window must be on the screen for a person to take hold of it.
int Clamped(std::int64_t start, std::int64_t extent, std::int64_t screen, std::int64_t grip) {
    if (start + extent < grip)
        start = 0;
    if (start > screen - grip)
        start = screen - extent;
    return Saturated(start);
}

int Fitted(std::int64_t start, std::int64_t extent, std::int64_t screen) {
    if (start + extent > screen)
        start = screen - extent;
    return Saturated(std::max<std::int64_t>(start, 0));
}

} // namespace

bool UsableSize(int width, int height, TSize minimum) {
    return width >= minimum.cx && height >= minimum.cy && width <= kMaxWindowExtent &&
           height <= kMaxWindowExtent;
}

void ClampOntoScreen(TBounds& bounds, TSize screen) {
    bounds.Left = Clamped(bounds.Left, bounds.Width, screen.cx, kGripWidth);
    bounds.Top = Clamped(bounds.Top, bounds.Height, screen.cy, kGripHeight);
}

void FitOntoScreen(TBounds& bounds, TSize screen) {
    bounds.Left = Fitted(bounds.Left, bounds.Width, screen.cx);
    bounds.Top = Fitted(bounds.Top, bounds.Height, screen.cy);
}

} // namespace orv
