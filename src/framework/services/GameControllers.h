// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace orv {

// A game controller's buttons in the common layout, named by place (south is
// "A" on most pads). The right trigger counts as a button while pulled past
// half way.
enum TControllerButton : std::uint8_t {
    cbSouth,
    cbEast,
    cbWest,
    cbNorth,
    cbBack,
    cbStart,
    cbRightTrigger,
};

using TControllerButtonEvent = std::function<void(TControllerButton button, bool down)>;

// The game controllers connected while the program runs, plugged in and out
// at any time. Presses and releases of any of them reach the handler on the
// window thread.
class IGameControllers {
public:
    virtual ~IGameControllers() = default;
    // The first handler starts watching the controllers; an empty one stops
    // the reports.
    virtual void SetOnButton(TControllerButtonEvent handler) = 0;
};

// Turns the raw reports of several controllers into presses and releases:
// each reported once, the trigger with a margin so a resting finger does not
// flutter it, and a controller that goes away releases what it held.
class TControllerButtons {
public:
    static constexpr int kTriggerMax = 32767;

    TControllerButtonEvent OnButton;

    void Button(int controller, TControllerButton button, bool down);
    // The right trigger's travel, 0 to kTriggerMax.
    void Trigger(int controller, int value);
    void Removed(int controller);

private:
    std::map<int, std::uint32_t> held_;
};

// The controllers through SDL's game-controller support, loaded when the
// program starts watching; no controllers at all without the library.
std::unique_ptr<IGameControllers> CreateSdlGameControllers();

} // namespace orv
