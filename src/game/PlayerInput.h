#pragma once

#include "Commands.h"
#include "framework/GameControllers.h"

namespace orv {

// The command a key of the main window gives when it goes down or up, and
// the one a game controller's button gives; gcNone for any other. Space and
// Esc are not here: they are the menu's shortcuts. The shift state does not
// matter.
TGameCommand KeyCommand(int key, bool down);
// A controller plays like the keys: Start is Space and Esc in one.
TGameCommand ButtonCommand(TControllerButton button, bool down);

} // namespace orv
