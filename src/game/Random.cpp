// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Random.h"

#include <chrono>

namespace orv {

void TRandom::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    Seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

int TRandom::Integer(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

// 32 random bits scaled by 2^-32: exactly representable, so never 1.
double TRandom::Real() {
    return static_cast<double>(engine_()) / 4294967296.0;
}

} // namespace orv
