// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace resgen {

// Lengths in samples at 22050 Hz.
constexpr int kLaserSamples = 6615;         // 0.3 s
constexpr int kEnemyExplodeSamples = 11025; // 0.5 s
constexpr int kShipExplodeSamples = 66150;  // 3.0 s

// Peak excursion from the 128 midpoint; leaves headroom so the game can mix
// several effects without the result turning into a square wave.
constexpr int kSoundPeak = 100;

std::vector<std::uint8_t> makeLaser();
std::vector<std::uint8_t> makeEnemyExplode();
std::vector<std::uint8_t> makeShipExplode();

} // namespace resgen
