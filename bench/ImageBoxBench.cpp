// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One tick of a 400 x 400 image box on a shown form: OnTimer draws one cell,
// then the box repaints synchronously, as every game step does.

#include "components/media/ImageBox.h"
#include "framework/controls/Forms.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

void BM_TickWithRepaint(benchmark::State& state) {
    orv::TForm form(nullptr);
    form.SetClientWidth(420);
    form.SetClientHeight(420);
    auto* box = new orv::TImageBox(&form);
    box->SetAutoSizeOnBitmapChange(false);
    box->SetParent(&form);
    box->SetBounds(8, 14, 400, 400);
    form.FinishLoading();
    form.Show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    int cell = 0;
    box->OnTimer = [&](orv::TObject*) {
        orv::TCanvas& canvas = box->BitmapCanvas();
        canvas.Brush().Color = (cell & 1) ? orv::clWhite : orv::clBlack;
        canvas.FillRect({(cell % 25) * 16, 0, (cell % 25) * 16 + 16, 16});
        ++cell;
    };
    long painted = 0;
    box->OnPainted = [&](orv::TObject*) { ++painted; };
    for (auto _ : state)
        box->WndProc(orv::TCustomImageBox::kTickMessage);
    // Proof that every tick really painted.
    state.counters["paints_per_tick"] =
        static_cast<double>(painted) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TickWithRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
