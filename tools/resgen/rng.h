// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace resgen {

// Small self-contained generator: std:: distributions are allowed to differ
// between standard libraries, and the outputs must be byte-identical everywhere.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}

    std::uint32_t next() {
        // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Uniform in [0, 1).
    double uniform() { return (next() >> 8) * (1.0 / 16777216.0); }

    // Uniform in [-1, 1).
    double bipolar() { return uniform() * 2.0 - 1.0; }

    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::uint32_t state_;
};

} // namespace resgen
