// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wav.h"

#include <algorithm>
#include <cmath>

namespace resgen {

namespace {

void putU32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

void putU16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

} // namespace

QByteArray encodeWav(const std::vector<std::uint8_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size());
    QByteArray out;
    out.reserve(44 + static_cast<qsizetype>(dataSize));
    out.append("RIFF", 4);
    putU32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    putU32(out, 16);          // chunk size
    putU16(out, 1);           // PCM
    putU16(out, 1);           // mono
    putU32(out, kSampleRate); // samples per second
    putU32(out, kSampleRate); // bytes per second: 1 channel * 1 byte
    putU16(out, 1);           // block align
    putU16(out, 8);           // bits per sample
    out.append("data", 4);
    putU32(out, dataSize);
    // No RIFF pad byte after an odd-sized data chunk: the file is exactly
    // 44 + dataSize bytes, which is what simple loaders expect.
    out.append(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(dataSize));
    return out;
}

std::vector<std::uint8_t> toPcm8(const std::vector<double>& signal, int peak) {
    double maxAbs = 0.0;
    for (double s : signal)
        maxAbs = std::max(maxAbs, std::abs(s));
    const double gain = maxAbs > 0.0 ? peak / maxAbs : 0.0;

    std::vector<std::uint8_t> out;
    out.reserve(signal.size());
    for (double s : signal) {
        const long v = std::lround(128.0 + s * gain);
        out.push_back(static_cast<std::uint8_t>(std::clamp(v, 0L, 255L)));
    }
    return out;
}

} // namespace resgen
