// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/core/Wave.h"

#include <cstring>

namespace orv {
namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool Tag(const std::uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

} // namespace

long long TWaveInfo::DurationMs() const {
    const long long bytesPerSecond = static_cast<long long>(SampleRate) * BytesPerFrame();
    return bytesPerSecond > 0 ? static_cast<long long>(DataSize) * 1000 / bytesPerSecond : 0;
}

std::optional<TWaveInfo> ParseWave(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || !Tag(image.data(), "RIFF") || !Tag(image.data() + 8, "WAVE"))
        return std::nullopt;
    TWaveInfo info;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= image.size()) {
        const std::uint8_t* chunk = image.data() + pos;
        const std::size_t size = Le32(chunk + 4);
        const std::size_t body = pos + 8;
        const std::size_t available = image.size() - body;
        if (Tag(chunk, "fmt ")) {
            if (size < 16 || available < 16 || Le16(chunk + 8) != 1)
                return std::nullopt;
            info.Channels = Le16(chunk + 10);
            info.SampleRate = static_cast<int>(Le32(chunk + 12));
            info.BitsPerSample = Le16(chunk + 22);
            haveFormat = true;
        } else if (Tag(chunk, "data")) {
            if (!haveFormat || info.Channels <= 0 || info.SampleRate <= 0 ||
                (info.BitsPerSample != 8 && info.BitsPerSample != 16))
                return std::nullopt;
            info.DataOffset = body;
            info.DataSize = size < available ? size : available;
            return info;
        }
        if (size > available)
            return std::nullopt;
        pos = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace orv
