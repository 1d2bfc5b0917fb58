// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {

// A whole wave file in memory. Shared, so a sound that is still playing keeps
// its bytes alive even when its player reloads or goes away.
using TSoundImage = std::shared_ptr<const std::vector<std::uint8_t>>;

// One sound at a time for the whole process: a new sound cuts the old one.
class ISoundService {
public:
    virtual ~ISoundService() = default;
    // Asynchronous play returns at once; synchronous play returns when the
    // sound has ended. An image that is not a playable wave is ignored. The
    // title names the sound where the desktop lists what plays (a volume
    // mixer); empty leaves the audio server's own name.
    virtual void Play(TSoundImage image, bool sync, const std::string& title) = 0;
    // Silences whatever is playing.
    virtual void Stop() = 0;
    // The desktop's sound for a message of this kind (MB_OK, MB_ICONHAND,
    // MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK); silent where the
    // sound theme has none.
    virtual void MessageBeep(unsigned type) = 0;
    // A system sound event by its name ("Minimize", "RestoreUp"), played
    // asynchronously beside any wave; silent where the theme has none.
    virtual void PlayEvent(const std::string& name) = 0;
};

// The freedesktop sound theme's event for a system sound event name, or an
// empty text for a name it has no counterpart for.
std::string SoundEventId(const std::string& name);

// The desktop's audio server (PulseAudio, or PipeWire's server for it); the
// desktop's event sounds through its sound theme. With no audio server it
// stays silent; synchronous play still takes the sound's length.
std::unique_ptr<ISoundService> CreatePulseSoundService();

} // namespace orv
