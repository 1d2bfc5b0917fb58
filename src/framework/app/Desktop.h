// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace orv {

// The desktop the program runs on, for the few things that differ.
bool WaylandSession();
// The X server's connection; null when the program is not on X11.
xcb_connection_t* X11Connection();

// Whether an X11 event says that the window manager has framed a window
// anew or changed its frame, which moves no window of the program's.
bool FrameChanged(const void* xcbEvent);
// Where the window manager's frame around an X11 window is now, asked of
// the X server; none off X11.
std::optional<TPoint> X11FramePosition(std::uint32_t window);

// Whether the title bars of the program's windows would be Qt's own: under a
// Wayland compositor that does not offer to draw them (it offers no
// xdg-decoration manager), where Qt's bar always offers to maximise. X11
// window managers, and compositors that decorate, draw their own.
bool QtDrawsTitleBars();

} // namespace orv
