// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace resgen {

// The program icon: the player's craft on a dark disc with an orbit ring.
// Drawn as vectors at the size asked for, so every size is sharp; 32 for the
// window, the desktop sizes for the icon theme.
QImage makeMainIcon(int size);

// The sizes the desktop's hicolor icon theme gets, each drawn on its own.
inline constexpr int kDesktopIconSizes[] = {32, 48, 64, 128, 256};

// The studio's mark: a "Z" in a ring.
QImage makeStudioIcon(int size);

} // namespace resgen
