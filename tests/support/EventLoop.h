// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace orv::test {

// Runs the event loop until done() holds or the limit passes; the limit only
// keeps a broken test from hanging, no result depends on it.
inline bool RunEventsUntil(const std::function<bool()>& done, int limitMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

inline void DeliverPosted() {
    QCoreApplication::sendPostedEvents();
}

} // namespace orv::test
