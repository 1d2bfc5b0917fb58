// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <vector>

namespace orv {

class ICursor;
class ISleeper;

constexpr int kGlideWaitMs = 10;
// The most moves of one glide, whatever the settings file says: the
// settings form offers no more, and the window thread waits 1 s at most.
constexpr int kMostGlideMoves = 100;

// The cursor's stops from start towards target, the target itself not
// included: at most maxMoves (and kMostGlideMoves), of about step pixels
// along the longer axis.
std::vector<TPoint> GlidePoints(TPoint start, TPoint target, int step, int maxMoves);

// Moves the cursor over the stops with a wait after each, then onto the
// target. Blocks the calling thread for at most kMostGlideMoves waits.
void GlideCursor(ICursor& cursor, ISleeper& sleeper, TPoint target, int step, int maxMoves);

} // namespace orv
