// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/GameControllers.h"

namespace orv {
namespace {

constexpr int kTriggerPress = TControllerButtons::kTriggerMax / 2;
constexpr int kTriggerRelease = TControllerButtons::kTriggerMax / 4;

constexpr std::uint32_t Bit(TControllerButton button) {
    return std::uint32_t{1} << button;
}

} // namespace

void TControllerButtons::Button(int controller, TControllerButton button, bool down) {
    std::uint32_t& held = held_[controller];
    if (((held & Bit(button)) != 0) == down)
        return;
    held ^= Bit(button);
    if (OnButton)
        OnButton(button, down);
}

void TControllerButtons::Trigger(int controller, int value) {
    const bool held = (held_[controller] & Bit(cbRightTrigger)) != 0;
    if (!held && value >= kTriggerPress)
        Button(controller, cbRightTrigger, true);
    else if (held && value < kTriggerRelease)
        Button(controller, cbRightTrigger, false);
}

void TControllerButtons::Removed(int controller) {
    const auto it = held_.find(controller);
    if (it == held_.end())
        return;
    const std::uint32_t held = it->second;
    held_.erase(it);
    for (int button = cbSouth; button <= cbRightTrigger; ++button)
        if ((held & Bit(static_cast<TControllerButton>(button))) && OnButton)
            OnButton(static_cast<TControllerButton>(button), false);
}

} // namespace orv
