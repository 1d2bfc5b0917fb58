// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Commands.h"
#include "PlayerInput.h"

namespace orv {

class TMainForm;
class TMenuItem;

// The main window's menu bar, made from one table: each item names the
// command it gives, and its shortcut is the key bound to that command.

// Creates the items into the window's fields and puts the bar together.
void CreateMainMenu(TMainForm& form);
// Gives every item the key its command has in these bindings, or none.
void SetMenuShortCuts(TMainForm& form, const TKeyBindings& bindings);
// The item that gives a command; nullptr for none.
TMenuItem* MenuItemOf(TMainForm& form, TGameCommand command);

} // namespace orv
