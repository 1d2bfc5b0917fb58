// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Commands.h"
#include "framework/services/GameControllers.h"

#include <cstdint>
#include <vector>

namespace orv {

// Where a bound key is heard: as the shortcut of the menu item that gives
// the same command, or in the main window's own key events.
enum TKeyRoute : std::uint8_t { krWindow, krMenu };

// A key and the commands it gives when it goes down and when it goes up. The
// key is a shortcut value (a key code, plus the modifiers as ShortCut adds
// them); the window's keys take no modifiers, since they ignore the shift
// state.
struct TKeyBinding {
    int key = 0;
    TGameCommand down = gcNone;
    TGameCommand up = gcNone;
    TKeyRoute route = krWindow;
};
using TKeyBindings = std::vector<TKeyBinding>;

// The keys the program starts with: the one table from which both the
// window's key handling and the menu's shortcuts are made.
TKeyBindings DefaultKeyBindings();

// The command a key of the main window gives when it goes down or up; gcNone
// for any other, and for the menu's keys, which the menu hears first.
TGameCommand KeyCommand(const TKeyBindings& bindings, int key, bool down);
// The shortcut of the menu item that gives this command; 0 for none.
int MenuShortCut(const TKeyBindings& bindings, TGameCommand command);
// A controller plays like the keys: Start is Space and Esc in one.
TGameCommand ButtonCommand(TControllerButton button, bool down);

} // namespace orv
