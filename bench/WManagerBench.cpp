// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One move/size event reaching a window manager whose tables are full: the
// hash lookup of the window and the store of its rectangle, as every move of
// every window pays it.

#include "components/windows/WManager.h"
#include "framework/app/Application.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_MoveSizeWithFullTable(benchmark::State& state) {
    orv::Application().SetScreenSizeOverride(orv::TSize{1024, 768});
    orv::TWindowManager manager(nullptr);
    orv::TWindowHookChain& hooks = orv::Application().WindowHooks();
    // Seventeen windows whose handles all share one home slot, so the last
    // one is found only after probing past the other sixteen.
    constexpr int kWindows = 17;
    for (int n = 0; n < kWindows; ++n) {
        orv::TCreateParams params{
            orv::Application().Handle(), "window " + std::to_string(n), 0, 0, 300, 200};
        hooks.RaiseCreating(static_cast<orv::THandle>(17 * (n + 1)), params);
    }
    const orv::THandle last = 17 * kWindows;
    int left = 0;
    for (auto _ : state) {
        hooks.RaiseMovingSizing(last, {left, 10, left + 300, 210});
        left = (left + 1) & 511;
    }
    state.counters["entries"] = manager.Count();
    state.counters["slot"] = manager.HashLookup(last);
}
BENCHMARK(BM_MoveSizeWithFullTable)
    ->Unit(benchmark::kNanosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
