// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CursorGlide.h"

#include "framework/services/Cursor.h"
#include "framework/services/Sleeper.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace orv {

std::vector<TPoint> GlidePoints(TPoint start, TPoint target, int step, int maxMoves) {
    const int dx = target.X - start.X;
    const int dy = target.Y - start.Y;
    const int distance = std::abs(dy) < std::abs(dx) ? std::abs(dx) : std::abs(dy);
    // A step of 0 or less (a hand-edited file) makes it a direct jump.
    int n = step > 0 ? static_cast<int>(std::trunc(static_cast<double>(distance) / step)) : 0;
    n = std::min({n, maxMoves, kMostGlideMoves});
    std::vector<TPoint> points;
    for (int i = 1; i <= n; ++i) {
        const auto part = [i, n](int delta) {
            return static_cast<int>(std::trunc(static_cast<double>(std::int64_t{i} * delta) / n));
        };
        points.push_back({start.X + part(dx), start.Y + part(dy)});
    }
    return points;
}

void GlideCursor(ICursor& cursor, ISleeper& sleeper, TPoint target, int step, int maxMoves) {
    for (const TPoint p : GlidePoints(cursor.Pos(), target, step, maxMoves)) {
        cursor.SetPos(p);
        sleeper.Sleep(kGlideWaitMs);
    }
    cursor.SetPos(target);
}

} // namespace orv
