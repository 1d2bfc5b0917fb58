// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Component.h"
#include "framework/services/SoundService.h"

#include <string>

namespace orv {

// Holds one whole wave sound in memory, from a file or a program resource,
// and plays it through the process's one sound channel.
class TWavePlayer : public TComponent {
public:
    // Larger sounds are not loaded.
    static constexpr long long kMaxSoundSize = 0x10000000;

    explicit TWavePlayer(TComponent* owner);
    ~TWavePlayer() override;

    void Loaded() override;

    void Play();
    void Stop();

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value);
    const std::string& ResourceName() const { return resourceName_; }
    void SetResourceName(const std::string& value);

    bool Sync = false;
    // What the desktop calls the sound while it plays (a volume mixer's
    // list); empty leaves the audio server's own name.
    std::string Title;

    // The loaded sound, or null.
    const TSoundImage& SoundImage() const { return image_; }

private:
    void LoadFromFile();
    void LoadFromResource();

    bool enabled_ = true;
    std::string fileName_;
    std::string resourceName_;
    TSoundImage image_;
    bool loaded_ = false;
};

} // namespace orv
