// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orv {

// The format and the PCM data of a RIFF/WAVE image.
struct TWaveInfo {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::size_t DataOffset = 0;
    std::size_t DataSize = 0;

    int BytesPerFrame() const { return Channels * ((BitsPerSample + 7) / 8); }
    // The sound's length in milliseconds.
    long long DurationMs() const;
};

// Reads the header of an uncompressed PCM wave image; nullopt for anything
// else. A data chunk that claims more than the image holds is cut to what is
// there.
std::optional<TWaveInfo> ParseWave(std::span<const std::uint8_t> image);

} // namespace orv
