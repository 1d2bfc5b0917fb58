// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace resgen {

constexpr int kSampleRate = 22050;

// Mono, 8-bit unsigned PCM at kSampleRate with the plain 44-byte header.
QByteArray encodeWav(const std::vector<std::uint8_t>& samples);

// Scales a float signal so its largest excursion is `peak` steps from the
// 128 midpoint, then converts to unsigned 8-bit.
std::vector<std::uint8_t> toPcm8(const std::vector<double>& signal, int peak);

} // namespace resgen
