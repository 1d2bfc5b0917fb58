// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/Sleeper.h"

#include <QThread>

namespace orv {
namespace {

class TQtSleeper final : public ISleeper {
public:
    void Sleep(int milliseconds) override {
        if (milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }
};

} // namespace

std::unique_ptr<ISleeper> CreateQtSleeper() {
    return std::make_unique<TQtSleeper>();
}

} // namespace orv
