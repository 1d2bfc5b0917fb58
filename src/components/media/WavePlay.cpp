// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WavePlay.h"
#include "components/ComponentTexts.h"

#include "framework/app/Application.h"
#include "framework/files/Resources.h"
#include "framework/texts/Exceptions.h"

#include <filesystem>
#include <fstream>

namespace orv {

TWavePlayer::TWavePlayer(TComponent* owner) : TComponent(owner) {}

// A sound still playing keeps its own reference to the image.
TWavePlayer::~TWavePlayer() = default;

void TWavePlayer::Loaded() {
    TComponent::Loaded();
    if (!fileName_.empty())
        LoadFromFile();
    else if (!resourceName_.empty())
        LoadFromResource();
    loaded_ = true;
}

void TWavePlayer::Play() {
    if (enabled_ && image_)
        Application().Sound().Play(image_, Sync, Title);
}

void TWavePlayer::Stop() {
    Application().Sound().Stop();
}

void TWavePlayer::SetEnabled(bool value) {
    enabled_ = value;
    if (!value)
        Stop();
}

void TWavePlayer::SetFileName(const std::string& value) {
    fileName_ = value;
    if (loaded_ && !value.empty())
        LoadFromFile();
}

void TWavePlayer::SetResourceName(const std::string& value) {
    resourceName_ = value;
    if (loaded_ && !value.empty())
        LoadFromResource();
}

void TWavePlayer::LoadFromFile() {
    image_.reset();
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName_, error))
        throw EInOutError(Format(ComponentTexts::SoundNotOpened, {fileName_}));
    std::ifstream file(fileName_, std::ios::binary | std::ios::ate);
    if (!file)
        throw EInOutError(Format(ComponentTexts::SoundNotOpened, {fileName_}));
    const std::streamoff size = file.tellg();
    if (size < 0)
        throw EInOutError(Format(ComponentTexts::SoundNotRead, {fileName_}));
    if (size > kMaxSoundSize)
        return;
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes->data()), size))
        throw EInOutError(Format(ComponentTexts::SoundNotRead, {fileName_}));
    image_ = std::move(bytes);
}

void TWavePlayer::LoadFromResource() {
    image_.reset();
    auto bytes = LoadResourceData(TResourceType::rtRCData, resourceName_);
    if (static_cast<long long>(bytes.size()) > kMaxSoundSize)
        return;
    image_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

} // namespace orv
