// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Desktop.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <wayland-client.h>

#include <cstring>

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

} // namespace

bool WaylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

bool QtDrawsTitleBars() {
    return WaylandSession() && !CompositorOffersDecorations();
}

} // namespace orv
