// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace orv {

// Blocks the calling thread; nothing else runs on it meanwhile.
class ISleeper {
public:
    virtual ~ISleeper() = default;
    virtual void Sleep(int milliseconds) = 0;
};

std::unique_ptr<ISleeper> CreateQtSleeper();

} // namespace orv
