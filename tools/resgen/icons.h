#pragma once

#include <QImage>

namespace resgen {

// The program icon: the player's craft on a dark disc with an orbit ring.
// Drawn as vectors, so any size works; 32 for the window, 128 for the menu.
QImage makeMainIcon(int size);

// The studio's mark: a "Z" in a ring.
QImage makeStudioIcon(int size);

} // namespace resgen
