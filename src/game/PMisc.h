// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <array>

namespace orv {

// The eight ways a unit can go, indexed 1 to 8; index 0 is standing still.
// The laser uses only the four straight ones, 1 to 4.
inline constexpr std::array<TPoint, 9> kDirections{{
    {0, 0},   // none
    {0, -1},  // up
    {0, 1},   // down
    {-1, 0},  // left
    {1, 0},   // right
    {-1, 1},  // down-left
    {1, 1},   // down-right
    {-1, -1}, // up-left
    {1, -1},  // up-right
}};

constexpr TPoint PointAdd(TPoint a, TPoint b) {
    return {a.X + b.X, a.Y + b.Y};
}

constexpr int ManhattanDistance(TPoint a, TPoint b) {
    return (a.X > b.X ? a.X - b.X : b.X - a.X) + (a.Y > b.Y ? a.Y - b.Y : b.Y - a.Y);
}

} // namespace orv
