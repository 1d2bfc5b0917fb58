// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Desktop.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace orv {
namespace {

// Asked of the compositor on a connection of our own: Qt 6.4 lends out none
// of its own, and the answer is a list of globals it sends to every client.
bool CompositorOffersDecorations() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool offered = false;
    static const wl_registry_listener listener{
        [](void* data, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(data) = true;
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}

// xcb's replies are malloc'ed.
template <typename Reply> using TReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> TReply<Reply> Owned(Reply* reply) {
    return {reply, &std::free};
}

xcb_atom_t FrameExtentsAtom(xcb_connection_t* connection) {
    static constexpr char kName[] = "_NET_FRAME_EXTENTS";
    const auto reply = Owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// One connection for the program's life, so its atom is asked once.
xcb_atom_t FrameExtentsAtom() {
    static const xcb_atom_t atom =
        X11Connection() ? FrameExtentsAtom(X11Connection()) : xcb_atom_t{XCB_ATOM_NONE};
    return atom;
}

// The frame's left and top widths as the window manager tells them.
std::optional<TPoint> FrameExtents(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply = Owned(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, FrameExtentsAtom(), XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto* extents = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return TPoint{static_cast<int>(extents[0]), static_cast<int>(extents[2])};
}

// The window among the root's children that holds this one: the window
// manager's outermost frame, or the window itself.
std::optional<xcb_window_t> TopLevelOf(xcb_connection_t* connection, xcb_window_t window) {
    for (;;) {
        const auto tree =
            Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
        if (!tree)
            return std::nullopt;
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
            return window;
        window = tree->parent;
    }
}

} // namespace

bool WaylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

bool FrameChanged(const void* xcbEvent) {
    const auto* event = static_cast<const xcb_generic_event_t*>(xcbEvent);
    switch (event->response_type & 0x7f) {
    case XCB_REPARENT_NOTIFY:
        return true;
    case XCB_PROPERTY_NOTIFY:
        return FrameExtentsAtom() != XCB_ATOM_NONE &&
               reinterpret_cast<const xcb_property_notify_event_t*>(event)->atom ==
                   FrameExtentsAtom();
    default:
        return false;
    }
}

// The X server's state at one moment, not Qt's, which learns a window's
// place and its frame's size from separate events and may hold one without
// the other while a window manager frames the window. A window not framed
// yet is where its frame's corner will be (the program asks for its frame's
// place); a framed one is its frame's widths inside the frame's corner.
std::optional<TPoint> X11FramePosition(std::uint32_t window) {
    xcb_connection_t* connection = X11Connection();
    if (!connection || window == XCB_WINDOW_NONE)
        return std::nullopt;
    const std::optional<xcb_window_t> top = TopLevelOf(connection, window);
    if (!top)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto at = Owned(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr));
    if (!at)
        return std::nullopt;
    const TPoint client{at->dst_x, at->dst_y};
    if (*top == window)
        return client;
    if (const std::optional<TPoint> extents = FrameExtents(connection, window))
        return TPoint{client.X - extents->X, client.Y - extents->Y};
    const auto frame =
        Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, *top), nullptr));
    if (!frame)
        return std::nullopt;
    return TPoint{frame->x, frame->y};
}

bool QtDrawsTitleBars() {
    return WaylandSession() && !CompositorOffersDecorations();
}

} // namespace orv
