// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Field.h"

namespace orv {

void TField::Clear() {
    cells_ = {};
}

std::uint8_t TField::GetCell(int x, int y) const {
    return cells_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

void TField::SetCell(int x, int y, std::uint8_t code) {
    cells_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = code;
}

} // namespace orv
