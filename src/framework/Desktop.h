#pragma once

#include <string>

namespace orv {

// The name the running X11 window manager gives itself ("Openbox"); empty
// under Wayland or where none runs.
std::string X11WindowManagerName();

// Whether the desktop's title bars offer buttons a window's hints take away,
// so the program is better off drawing its own: Qt's own title bars under
// Wayland always offer to maximise, and openbox draws every button of its
// theme's layout, those a window does not allow shown only disabled.
bool DesktopTitleBarsOfferEveryButton();

} // namespace orv
