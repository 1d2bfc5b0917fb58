// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One game step as the timer drives it: the game's Tick (erase, move and draw
// both units, the beam with fire held) and the synchronous repaint of the
// 400 x 400 field box on a shown form.

#include "components/media/ImageBox.h"
#include "components/media/WavePlay.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Label.h"
#include "framework/drawing/Bitmap.h"
#include "framework/drawing/ImageList.h"
#include "game/UGame.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

using namespace orv;

// Long enough that the box's own timer never ticks during a run.
constexpr int kIdleInterval = 1000000;

struct Rig {
    Rig() {
        form.SetClientWidth(420);
        form.SetClientHeight(420);
        field = new TImageBox(&form);
        field->SetAutoSizeOnBitmapChange(false);
        field->SetParent(&form);
        field->SetBounds(8, 14, 400, 400);
        form.FinishLoading();
        form.Show();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
        left.SetAutoSizeOnBitmapChange(false);
        left.SetBounds(0, 0, 144, 16);
        left.Loaded();
        TBitmap picture;
        picture.LoadFromFile(":/form/MainForm.TitleImageBox");
        title.SetBitmap(&picture);
        for (int id = 100; id <= 105; ++id) {
            TBitmap bitmap;
            bitmap.LoadFromResourceID(id);
            images.AddMasked(bitmap, clBlack);
        }
        game.Setup(*field, left, title, images, hiScore, score, level, shipBoom, enemyBoom, laser);
        game.SetSound(false, false);
        game.Random().Seed(1);
        game.ClearField();
        game.ToTitle();
        NewGame();
    }
    void NewGame() {
        game.Start();
        game.SetSpeed(kIdleInterval);
        game.SetFire(true);
    }

    TForm form{nullptr};
    TImageBox* field = nullptr;
    TImageBox left{nullptr};
    TImageBox title{nullptr};
    TImageList images;
    TLabel hiScore{nullptr};
    TLabel score{nullptr};
    TLabel level{nullptr};
    TWavePlayer shipBoom{nullptr};
    TWavePlayer enemyBoom{nullptr};
    TWavePlayer laser{nullptr};
    TGame game;
};

void BM_GameStepWithRepaint(benchmark::State& state) {
    Rig rig;
    long games = 1;
    for (auto _ : state) {
        rig.field->WndProc(TCustomImageBox::kTickMessage);
        if (rig.game.State() != gsPlaying) {
            state.PauseTiming();
            rig.NewGame();
            ++games;
            state.ResumeTiming();
        }
    }
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_GameStepWithRepaint)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
