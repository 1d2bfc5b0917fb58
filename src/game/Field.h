// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <array>
#include <cstdint>

namespace orv {

// What occupies a cell of the play grid. The enemy itself is never in the
// grid, only its mines.
enum TCellCode : std::uint8_t { ccEmpty = 0, ccShip = 1, ccMine = 3, ccLaser = 4 };

// The 25 x 25 play grid behind every collision test. Cells are addressed by
// column X then row Y, both 0 to 24; callers keep them in range.
class TField {
public:
    static constexpr int kCells = 25;
    static constexpr int kCellSize = 16;
    static constexpr TRect kFieldRect{0, 0, kCells* kCellSize, kCells* kCellSize};

    void Clear();
    std::uint8_t GetCell(int x, int y) const;
    void SetCell(int x, int y, std::uint8_t code);

private:
    std::array<std::array<std::uint8_t, kCells>, kCells> cells_{};
};

} // namespace orv
