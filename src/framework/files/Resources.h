// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orv {

// The program's built-in resources, looked up by kind and name: raw data
// ("SND_LASER"), bitmaps ("100" or "#100"), icons ("MAINICON") and pictures
// stored with forms ("MainForm.TitleImageBox").
enum class TResourceType : std::uint8_t { rtRCData, rtBitmap, rtIcon, rtForm };

std::string ResourcePath(TResourceType type, const std::string& name);
bool ResourceExists(TResourceType type, const std::string& name);

// The resource's bytes; raises EResNotFound when it is not there.
std::vector<std::uint8_t> LoadResourceData(TResourceType type, const std::string& name);

} // namespace orv
