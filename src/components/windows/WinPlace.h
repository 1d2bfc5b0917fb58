// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

namespace orv {

// The arithmetic of window places. Stored places come from a file a person
// may edit, so every sum is taken in 64 bits and every result fits an int.

// X11 keeps window sizes and coordinates in 16 bits: no screen shows more.
constexpr int kMaxWindowExtent = 32767;

// Whether a stored size can be given to a window whose smallest size is
// minimum: at least that, and no more than a screen can show.
bool UsableSize(int width, int height, TSize minimum);

// Pulls back a window of which less than the start of its title bar would
// be on the screen, to the edge it went past; one that shows that much
// stays where it is.
void ClampOntoScreen(TBounds& bounds, TSize screen);

// Moves a window so that it lies wholly on the screen where it can; one
// larger than the screen keeps its top-left corner on it.
void FitOntoScreen(TBounds& bounds, TSize screen);

} // namespace orv
