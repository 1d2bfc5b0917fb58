#pragma once

struct xcb_connection_t;

namespace orv {

// The desktop the program runs on, for the few things that differ.
bool WaylandSession();
// The X server's connection; null when the program is not on X11.
xcb_connection_t* X11Connection();

// Whether the desktop's title bars offer buttons a window's hints take away,
// so the program is better off drawing its own: Qt's own title bars under
// Wayland always offer to maximise, and openbox draws every button of its
// theme's layout, those a window does not allow shown only disabled.
bool DesktopTitleBarsOfferEveryButton();

} // namespace orv
