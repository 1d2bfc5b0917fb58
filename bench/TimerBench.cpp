// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the period error of the image box's timer at 125 ms against a
// bare clock_nanosleep loop measured in the same run. The box's ticks are
// timed where the game sees them: on the window thread, as OnTimer runs.
// With --load, one busy thread per core runs through both loops, so the
// loaded figures do not depend on what else the machine happens to run.

#include "components/media/ImageBox.h"
#include "framework/app/Application.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kPeriodMs = 125;

struct Stats {
    double median = 0, p99 = 0, max = 0;
};

Stats ErrorsOf(const std::vector<Clock::time_point>& stamps) {
    std::vector<double> errors;
    for (std::size_t i = 1; i < stamps.size(); ++i) {
        const double period =
            std::chrono::duration<double, std::milli>(stamps[i] - stamps[i - 1]).count();
        errors.push_back(std::abs(period - kPeriodMs));
    }
    std::sort(errors.begin(), errors.end());
    const auto at = [&](double q) {
        return errors[static_cast<std::size_t>(q * (errors.size() - 1))];
    };
    return {at(0.5), at(0.99), errors.back()};
}

std::vector<Clock::time_point> BareLoop(int ticks) {
    std::vector<Clock::time_point> stamps;
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (int i = 0; i <= ticks; ++i) {
        next.tv_nsec += kPeriodMs * 1000000L;
        while (next.tv_nsec >= 1000000000L) {
            next.tv_nsec -= 1000000000L;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        stamps.push_back(Clock::now());
    }
    return stamps;
}

std::vector<Clock::time_point> ImageBoxTicks(int ticks) {
    std::vector<Clock::time_point> stamps;
    orv::TImageBox box(nullptr);
    box.SetBounds(0, 0, 400, 400);
    box.OnTimer = [&](orv::TObject*) { stamps.push_back(Clock::now()); };
    box.SetInterval(kPeriodMs);
    box.SetResolution(1);
    box.SetTimerEnabled(true);
    while (static_cast<int>(stamps.size()) <= ticks)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    box.SetTimerEnabled(false);
    return stamps;
}

// Keeps every core busy with plain arithmetic until destroyed.
class BusyThreads {
public:
    explicit BusyThreads(unsigned count) {
        for (unsigned i = 0; i < count; ++i)
            threads_.emplace_back([this] {
                volatile unsigned long sink = 0;
                while (!stop_.load(std::memory_order_relaxed))
                    for (int k = 0; k < 10000; ++k)
                        sink = sink * 2654435761u + 1;
            });
    }
    ~BusyThreads() { stop_ = true; }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::jthread> threads_;
};

void Print(const char* name, const Stats& s) {
    std::printf("%-22s median %.3f ms  p99 %.3f ms  max %.3f ms\n", name, s.median, s.p99, s.max);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    orv::TApplication app(argc, argv);
    int ticks = 400;
    bool load = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--load") == 0)
            load = true;
        else
            ticks = std::atoi(argv[i]);
    }
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    std::printf("period %d ms, %d ticks each, %s\n", kPeriodMs, ticks,
                load ? "loaded: one busy thread per core" : "quiet");
    std::optional<BusyThreads> busy;
    if (load)
        busy.emplace(cores);
    const Stats bare = ErrorsOf(BareLoop(ticks));
    const Stats box = ErrorsOf(ImageBoxTicks(ticks));
    busy.reset();
    Print("clock_nanosleep loop", bare);
    Print("image box timer", box);
    std::printf("p99 ratio image box / bare loop: %.2f\n", box.p99 / std::max(bare.p99, 0.001));
    // Quiet, the ratio is taken against at least 50 us so noise near zero
    // does not decide; loaded, only the ratio is asked.
    const bool ok =
        load ? box.p99 <= 2 * bare.p99 : box.p99 <= 1.0 && box.p99 <= 2 * std::max(bare.p99, 0.05);
    std::printf("target %s: %s\n", load ? "p99 <= 2 x bare" : "p99 <= 1 ms and <= 2 x bare",
                ok ? "met" : "NOT met");
    return 0;
}
