#include "Desktop.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace orv {
namespace {

template <typename Reply> using TReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const TReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

TReply<xcb_get_property_reply_t> Property(xcb_connection_t* connection, xcb_window_t window,
                                          xcb_atom_t property, xcb_atom_t type) {
    return {xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, property, type, 0, 256),
                                   nullptr),
            &std::free};
}

// The name the running X11 window manager gives itself ("Openbox"): it names
// a window of its own on the root window and gives that window its name.
std::string X11WindowManagerName() {
    xcb_connection_t* connection = X11Connection();
    if (!connection)
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const xcb_atom_t name = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    if (!screen || check == XCB_ATOM_NONE || name == XCB_ATOM_NONE || utf8 == XCB_ATOM_NONE)
        return {};
    const auto owner = Property(connection, screen->root, check, XCB_ATOM_WINDOW);
    if (!owner || owner->format != 32 || xcb_get_property_value_length(owner.get()) < 4)
        return {};
    const xcb_window_t window =
        *static_cast<const xcb_window_t*>(xcb_get_property_value(owner.get()));
    const auto text = Property(connection, window, name, utf8);
    if (!text || text->format != 8)
        return {};
    return {static_cast<const char*>(xcb_get_property_value(text.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(text.get()))};
}

} // namespace

bool WaylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

bool DesktopTitleBarsOfferEveryButton() {
    return WaylandSession() || X11WindowManagerName() == "Openbox";
}

} // namespace orv
