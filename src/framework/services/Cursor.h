// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/core/Types.h"

#include <memory>

namespace orv {

// The mouse cursor, in screen coordinates.
class ICursor {
public:
    virtual ~ICursor() = default;
    virtual TPoint Pos() const = 0;
    // Does nothing where programs may not place the cursor.
    virtual void SetPos(TPoint pos) = 0;
    // False under Wayland, where neither the cursor nor top-level windows can
    // be placed by a program.
    virtual bool CanPlace() const = 0;
    // Whether a mouse button is down now, the presses on the desktop's own
    // window frames included (asked of the X server). False where that
    // cannot be known (Wayland).
    virtual bool ButtonHeld() const = 0;
};

std::unique_ptr<ICursor> CreateQtCursor();

} // namespace orv
