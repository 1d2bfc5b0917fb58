// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace orv {

// The program's one source of chance. The game owns it and seeds it once
// from the clock; tests seed it to replay a game.
class TRandom {
public:
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    void SeedFromClock();

    // Uniform on 0 to n - 1; n must be positive.
    int Integer(int n);
    // Uniform on [0, 1).
    double Real();

private:
    std::mt19937 engine_;
};

} // namespace orv
