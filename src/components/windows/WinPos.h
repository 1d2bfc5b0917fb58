// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TForm;

// Where a window was, for one screen width.
struct TPlacement {
    bool Stored = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A place kept for a screen width outside the six classic ones.
struct TWidthPlacement {
    int ScreenWidth = 0;
    TPlacement Placement;
};

// One remembered window, known by its caption.
struct TWindowEntry {
    static constexpr int kMaxOtherWidths = 8;

    std::string Name;
    // The open form, once the manager has met it; only ever compared and
    // handed back, never looked into here.
    TForm* Form = nullptr;
    std::array<TPlacement, 6> Placements{};
    // Least recently stored first.
    std::vector<TWidthPlacement> OtherWidths;
    int HashSlot = -1;
    bool ReservedFlag1 = true;
    bool SaveSize = false;
    bool ReservedFlag2 = false;
    bool JumpEnabled = true;
    bool JumpToControl = false;
    bool TrackTarget = true;
    int ControlIndex = 0;
    TPoint JumpPoint{-1, 0};
};

// The classic resolution number (1..6) of a screen width, 0 for any other.
int ResolutionOf(int screenWidth);

// The place of entry for r, a resolution number 1..6 or, for other screens,
// the width in pixels; null for 0, the six classic widths and widths no
// screen has. With create, a width without a place gets one and becomes the
// most recent.
TPlacement* PlacementFor(TWindowEntry& entry, int r, bool create);

// The Pos value of the settings file for an entry, and its reading.
std::string FormatPos(const TWindowEntry& entry);
enum class TPosRead : std::uint8_t { prOk, prNextPair, prStopSection };
TPosRead ReadPos(std::string_view text, TWindowEntry& entry);

} // namespace orv
