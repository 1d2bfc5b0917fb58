// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/Cursor.h"

#include "framework/app/Desktop.h"

#include <QCursor>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace orv {
namespace {

class TQtCursor final : public ICursor {
public:
    TPoint Pos() const override {
        const QPoint pos = QCursor::pos();
        return {pos.x(), pos.y()};
    }

    void SetPos(TPoint pos) override {
        if (CanPlace())
            QCursor::setPos(pos.X, pos.Y);
    }

    bool CanPlace() const override { return !WaylandSession(); }

    // The program sees no press on the window manager's title bars and
    // frames; the X server knows every button's state.
    bool ButtonHeld() const override {
        xcb_connection_t* connection = X11Connection();
        if (!connection)
            return false;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        if (!screen)
            return false;
        const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root),
                                    nullptr),
            &std::free);
        constexpr unsigned kButtons = XCB_BUTTON_MASK_1 | XCB_BUTTON_MASK_2 | XCB_BUTTON_MASK_3 |
                                      XCB_BUTTON_MASK_4 | XCB_BUTTON_MASK_5;
        return reply && (reply->mask & kButtons) != 0;
    }
};

} // namespace

std::unique_ptr<ICursor> CreateQtCursor() {
    return std::make_unique<TQtCursor>();
}

} // namespace orv
