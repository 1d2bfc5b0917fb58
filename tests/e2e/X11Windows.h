// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the X server and the window manager say of a window, read with xprop
// and xwininfo: its place, its frame, whom it belongs to, the stacking.

#include <QList>
#include <QRect>
#include <QString>

namespace orv::e2e {

// The desktop's frame around a window (_NET_FRAME_EXTENTS).
struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
};

class X11Window {
public:
    // The id as xdotool gives it (decimal) or as xprop does (0x…).
    explicit X11Window(const QString& id);

    unsigned Id() const { return id_; }
    // The window this one is transient for; 0 for none.
    unsigned TransientFor() const;
    FrameExtents Frame() const;
    // The window itself, on the screen.
    QRect ClientRect() const;
    // With the desktop's frame around it.
    QRect FrameRect() const;
    bool Viewable() const;
    // Minimised, as the window manager says (WM_STATE): some keep a
    // minimised window mapped, for their previews.
    bool Iconic() const;

private:
    QString Property(const char* name) const;

    unsigned id_ = 0;
};

// A window list the window manager keeps on the root window
// (_NET_CLIENT_LIST, _NET_CLIENT_LIST_STACKING: bottom to top).
QList<unsigned> RootWindowList(const char* property);

} // namespace orv::e2e
