// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace orv {

// A periodic timer on a thread of its own. Deadlines are absolute on the
// steady clock, so the period does not drift with the callback's cost. The
// callback runs on the timer thread and should do no more than post.
// Destroying the timer stops it and waits for a callback in flight, so none
// ever runs after the destructor returns. A period of 0 or less never ticks.
class TPeriodicTimer {
public:
    TPeriodicTimer(int periodMs, std::function<void()> callback);
    TPeriodicTimer(const TPeriodicTimer&) = delete;
    TPeriodicTimer& operator=(const TPeriodicTimer&) = delete;
    ~TPeriodicTimer();

    int PeriodMs() const { return periodMs_; }
    bool Running() const { return thread_.joinable(); }

private:
    void Run();

    const int periodMs_;
    const std::function<void()> callback_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace orv
