// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameRig.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include <string>

namespace orv {
namespace {

// The game on a shown form, so that repaints reach the screen canvas.
class Overlay : public ::testing::Test {
protected:
    Overlay() {
        form.SetBounds(0, 0, 420, 440);
        box = new TImageBox(&form);
        box->SetParent(&form);
        box->SetAutoSizeOnBitmapChange(false);
        box->SetBounds(8, 14, 400, 400);
        form.FinishLoading();
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Peer()));
        rig = std::make_unique<test::GameRig>(box);
    }

    QImage Screen() {
        box->Repaint();
        return box->Peer()->grab().toImage();
    }

    // Where the overlay writes a text, measured in its font.
    static TRect TextBox(const std::string& text, int quarters) {
        TBitmap probe(1, 1);
        probe.Canvas().Font().SetName("Small Fonts");
        probe.Canvas().Font().SetSize(24);
        const TSize size = probe.Canvas().TextExtent(text);
        const int x = (400 - size.cx) / 2;
        const int y = (400 - size.cy) * quarters / 4;
        return {x, y, x + size.cx, y + size.cy};
    }

    // What the screen shows over the field bitmap: the pixels of one
    // colour that differ from it, inside a text box and elsewhere.
    struct Written {
        int inside = 0;
        int outside = 0;
    };
    Written Over(const QImage& screen, TColor color, const TRect& where) {
        Written written;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                const QRgb p = screen.pixel(x, y);
                const TColor shown = RGB(qRed(p), qGreen(p), qBlue(p));
                if (shown == rig->field.Bitmap().Pixel(x, y) || shown != color)
                    continue;
                const bool in =
                    x >= where.Left && x < where.Right && y >= where.Top && y < where.Bottom;
                ++(in ? written.inside : written.outside);
            }
        return written;
    }
    int Differences(const QImage& screen) {
        int n = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x) {
                const QRgb p = screen.pixel(x, y);
                n += RGB(qRed(p), qGreen(p), qBlue(p)) != rig->field.Bitmap().Pixel(x, y);
            }
        return n;
    }

    TForm form{nullptr};
    TImageBox* box = nullptr;
    std::unique_ptr<test::GameRig> rig;
};

TEST_F(Overlay, GameOverIsWrittenOnTheScreenOnlyAndCentred) {
    rig->game.GameOver();
    const QImage screen = Screen();
    const TRect gameOver = TextBox("GAME OVER", 2);
    const TRect push = TextBox("PUSH SPACE", 3);
    const Written red = Over(screen, clRed, gameOver);
    EXPECT_GT(red.inside, 20);
    EXPECT_EQ(red.outside, 0);
    const Written white = Over(screen, clWhite, push);
    EXPECT_GT(white.inside, 20);
    EXPECT_EQ(white.outside, 0);
    // Only the letters are written: the background stays transparent.
    EXPECT_EQ(Differences(screen), red.inside + white.inside);

    rig->game.ToTitle();
    const QImage title = Screen();
    EXPECT_EQ(Over(title, clRed, gameOver).inside, 0);
    EXPECT_GT(Over(title, clWhite, push).inside, 20);
}

TEST_F(Overlay, PauseShowsOnlyPauseAndPlayingShowsNoText) {
    rig->game.Start();
    rig->game.Pause();
    const QImage paused = Screen();
    const Written white = Over(paused, clWhite, TextBox("PAUSE", 2));
    EXPECT_GT(white.inside, 10);
    EXPECT_EQ(white.outside, 0);
    EXPECT_EQ(Differences(paused), white.inside);

    rig->game.Resume();
    EXPECT_EQ(Differences(Screen()), 0);
    rig->game.GameOver();
}

} // namespace
} // namespace orv
