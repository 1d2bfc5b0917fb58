// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "framework/app/Application.h"

namespace orv::test {

// Asks for the program's own title bars while it lives.
class OwnTitleBars {
public:
    OwnTitleBars() { Application().SetOwnTitleBars(true); }
    ~OwnTitleBars() { Application().SetOwnTitleBars(was_); }
    OwnTitleBars(const OwnTitleBars&) = delete;
    OwnTitleBars& operator=(const OwnTitleBars&) = delete;

private:
    const bool was_ = Application().OwnTitleBars();
};

} // namespace orv::test
