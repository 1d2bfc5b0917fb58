// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/core/PeriodicTimer.h"

#include <chrono>

namespace orv {

TPeriodicTimer::TPeriodicTimer(int periodMs, std::function<void()> callback)
    : periodMs_(periodMs), callback_(std::move(callback)) {
    if (periodMs_ > 0)
        thread_ = std::thread([this] { Run(); });
}

TPeriodicTimer::~TPeriodicTimer() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void TPeriodicTimer::Run() {
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(periodMs_);
    auto deadline = Clock::now() + period;
    std::unique_lock lock(mutex_);
    while (!wake_.wait_until(lock, deadline, [this] { return stopping_; })) {
        callback_();
        deadline += period;
        // After a long stall (a suspended machine), start afresh rather than
        // firing a burst of catch-up ticks.
        if (Clock::now() > deadline + 10 * period)
            deadline = Clock::now() + period;
    }
}

} // namespace orv
