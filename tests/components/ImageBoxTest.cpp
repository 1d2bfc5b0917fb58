// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/media/ImageBox.h"
#include "EventLoop.h"
#include "Fakes.h"
#include "components/ComponentTexts.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <thread>
#include <vector>

namespace orv {
namespace {

// A box on a shown form, so that repaints really paint.
struct Shown {
    Shown() {
        form.SetBounds(0, 0, 300, 300);
        box = new TImageBox(&form);
        box->SetParent(&form);
        box->SetBounds(0, 0, 40, 30);
        form.FinishLoading();
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.Peer()));
    }
    QImage Screen() { return box->Peer()->grab().toImage(); }

    TForm form{nullptr};
    TImageBox* box = nullptr;
};

TColor ScreenPixel(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

TEST(ImageBox, CreationValues) {
    TImageBox box(nullptr);
    EXPECT_TRUE(box.AutoSize());
    EXPECT_TRUE(box.AutoSizeOnBitmapChange());
    EXPECT_TRUE(box.Bitmap().Empty());
    EXPECT_EQ(box.BitmapNum(), 1);
    EXPECT_EQ(box.Interval(), 100);
    EXPECT_EQ(box.Resolution(), 100);
    EXPECT_FALSE(box.TimerEnabled());
    EXPECT_FALSE(box.BitmapAssigned);
    EXPECT_EQ(&box.BitmapCanvas(), &box.Bitmap().Canvas());
}

TEST(ImageBox, LoadedSizesTheBitmapToTheBox) {
    TImageBox box(nullptr);
    box.SetAutoSizeOnBitmapChange(false);
    box.SetBounds(8, 14, 400, 400);
    box.Loaded();
    EXPECT_EQ(box.Bitmap().Width(), 400);
    EXPECT_EQ(box.BitmapWidth(), 400);
    EXPECT_EQ(box.BitmapHeight(), 400);
}

TEST(ImageBox, ResizingTheBoxResizesOnlyTheMainBitmap) {
    TImageBox box(nullptr);
    box.SetBounds(0, 0, 20, 10);
    box.SetBitmapNum(3);
    box.SetBounds(0, 0, 50, 60);
    EXPECT_EQ(box.Bitmap().Width(), 50);
    EXPECT_EQ(box.Bitmap().Height(), 60);
    EXPECT_EQ(box.Frame(1)->Width(), 20);
    EXPECT_EQ(box.Frame(2)->Height(), 10);
    EXPECT_EQ(box.BitmapWidth(), 50);
}

TEST(ImageBox, AssignedImageOfAnotherSizeResizesTheBox) {
    TImageBox box(nullptr);
    box.SetBounds(5, 6, 20, 20);
    TBitmap image(180, 80);
    box.SetBitmap(&image);
    EXPECT_TRUE(box.BitmapAssigned);
    EXPECT_EQ(box.Width(), 180);
    EXPECT_EQ(box.Height(), 80);
    EXPECT_EQ(box.BitmapWidth(), 180);
    EXPECT_EQ(box.BitmapHeight(), 80);
    EXPECT_EQ(box.Left(), 5);

    box.SetBitmap(nullptr);
    EXPECT_FALSE(box.BitmapAssigned);
    EXPECT_EQ(box.Bitmap().Width(), 180);
    EXPECT_EQ(box.Bitmap().Pixel(0, 0), clBlack);
}

TEST(ImageBox, WithoutAutoSizeTheBoxKeepsItsSize) {
    TImageBox box(nullptr);
    box.SetBounds(0, 0, 20, 20);
    box.SetAutoSize(false);
    EXPECT_FALSE(box.AutoSizeOnBitmapChange());
    box.SetAutoSizeOnBitmapChange(true);
    EXPECT_FALSE(box.AutoSizeOnBitmapChange());
    TBitmap image(64, 32);
    box.SetBitmap(&image);
    EXPECT_EQ(box.Width(), 20);
    EXPECT_EQ(box.BitmapWidth(), 64);
}

TEST(ImageBox, BitmapWidthAndHeightSettersResizeBitmapFramesAndBox) {
    TImageBox box(nullptr);
    box.SetBitmapNum(2);
    box.SetBitmapWidth(30);
    box.SetBitmapHeight(12);
    EXPECT_EQ(box.Bitmap().Width(), 30);
    EXPECT_EQ(box.Frame(1)->Width(), 30);
    EXPECT_EQ(box.Frame(1)->Height(), 12);
    EXPECT_EQ(box.Width(), 30);
    EXPECT_EQ(box.Height(), 12);
    box.SetBitmapWidth(0);
    box.SetBitmapHeight(-3);
    EXPECT_EQ(box.BitmapWidth(), 30);
    EXPECT_EQ(box.BitmapHeight(), 12);
}

TEST(ImageBox, BitmapNumOutsideItsRangeIsRefusedWithAMessage) {
    test::FakeServices fakes;
    TImageBox box(nullptr);
    box.SetBitmapNum(3);
    box.Frame(1)->Canvas().Brush().Color = clWhite;
    box.Frame(1)->Canvas().FillRect({0, 0, 1, 1});
    for (int bad : {0, 129, -1}) {
        box.SetBitmapNum(bad);
        EXPECT_EQ(box.BitmapNum(), 3);
    }
    ASSERT_EQ(fakes.messageBox.shown.size(), 3u);
    EXPECT_EQ(fakes.messageBox.shown[0].caption, Tr(ComponentTexts::Error));
    EXPECT_EQ(fakes.messageBox.shown[0].text, Format(ComponentTexts::BitmapNumRange, {"128"}));
    EXPECT_EQ(fakes.messageBox.shown[0].flags & 0xF0u, MB_ICONERROR);
    box.SetBitmapNum(128);
    EXPECT_EQ(box.BitmapNum(), 128);
    box.SetBitmapNum(1);
    EXPECT_EQ(box.BitmapNum(), 1);
    EXPECT_EQ(box.Frame(1), nullptr);
}

TEST(ImageBox, SameBitmapNumBlanksFramesAndKeepsTheCurrentFrame) {
    TImageBox box(nullptr);
    box.SetBounds(0, 0, 4, 4);
    box.SetBitmapNum(3);
    box.Animate = true;
    box.WndProc(TCustomImageBox::kTickMessage);
    ASSERT_EQ(box.CurrentFrame(), 1);
    box.Frame(1)->Canvas().Brush().Color = clWhite;
    box.Frame(1)->Canvas().FillRect({0, 0, 4, 4});
    box.SetBitmapNum(3);
    EXPECT_EQ(box.CurrentFrame(), 1);
    EXPECT_EQ(box.Frame(1)->Pixel(0, 0), clBlack);
    box.SetBitmapNum(1);
    EXPECT_EQ(box.CurrentFrame(), 0);
}

TEST(ImageBox, AnimatedTicksCycleFramesAfterOnTimer) {
    TImageBox box(nullptr);
    box.SetBitmapNum(3);
    box.Animate = true;
    std::vector<int> framesSeenByOnTimer;
    box.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &box);
        framesSeenByOnTimer.push_back(box.CurrentFrame());
    };
    std::vector<int> after;
    for (int i = 0; i < 4; ++i) {
        box.WndProc(TCustomImageBox::kTickMessage);
        after.push_back(box.CurrentFrame());
    }
    EXPECT_EQ(after, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(framesSeenByOnTimer, (std::vector<int>{0, 1, 2, 0}));

    TImageBox still(nullptr);
    still.Animate = true;
    still.WndProc(TCustomImageBox::kTickMessage);
    EXPECT_EQ(still.CurrentFrame(), 0);
}

TEST(ImageBox, TickRepaintsSynchronouslyAndRaisesOnPaintedAfterTheCopy) {
    Shown s;
    TImageBox& box = *s.box;
    int painted = 0;
    box.OnPainted = [&](TObject*) {
        ++painted;
        // Writes over the copied frame on the screen only.
        box.Canvas().Pen().Color = clRed;
        box.Canvas().MoveTo(0, 0);
        box.Canvas().LineTo(5, 0);
    };
    box.BitmapCanvas().Brush().Color = clWhite;
    box.BitmapCanvas().FillRect({0, 0, 40, 30});
    const int before = painted;
    box.WndProc(TCustomImageBox::kTickMessage);
    EXPECT_EQ(painted, before + 1);
    const QImage screen = s.Screen();
    EXPECT_EQ(ScreenPixel(screen, 10, 10), clWhite);
    EXPECT_EQ(ScreenPixel(screen, 1, 0), clRed);
    EXPECT_EQ(box.Bitmap().Pixel(1, 0), clWhite);
}

TEST(ImageBox, OffsetShowsAWindowIntoTheFrame) {
    Shown s;
    TImageBox& box = *s.box;
    box.SetAutoSize(false);
    box.SetBitmapWidth(100);
    box.SetBitmapHeight(30);
    box.BitmapCanvas().Brush().Color = clYellow;
    box.BitmapCanvas().FillRect({50, 0, 51, 30});
    box.SetXOffset(45);
    EXPECT_EQ(box.SourceRect(), (TRect{45, 0, 85, 30}));
    EXPECT_EQ(box.DestRect(), (TRect{0, 0, 40, 30}));
    const QImage screen = s.Screen();
    EXPECT_EQ(ScreenPixel(screen, 5, 3), clYellow);
    EXPECT_NE(ScreenPixel(screen, 4, 3), clYellow);
}

TEST(ImageBox, TimerStartsOnceStopsOnceAndTicksArriveOnTheWindowThread) {
    TImageBox box(nullptr);
    box.SetInterval(5);
    box.SetTimerEnabled(true);
    box.SetTimerEnabled(true);
    EXPECT_TRUE(box.TimerRunning());
    int ticks = 0;
    box.OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_TRUE(test::RunEventsUntil([&] { return ticks >= 3; }));
    box.SetTimerEnabled(false);
    EXPECT_FALSE(box.TimerRunning());
    box.SetTimerEnabled(false);
    EXPECT_FALSE(box.TimerEnabled());
}

TEST(ImageBox, IntervalChangeRestartsOnlyARunningTimer) {
    TImageBox box(nullptr);
    box.SetInterval(300);
    EXPECT_FALSE(box.TimerRunning());
    box.SetTimerEnabled(true);
    box.SetInterval(7);
    EXPECT_TRUE(box.TimerRunning());
    int ticks = 0;
    box.OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_TRUE(test::RunEventsUntil([&] { return ticks >= 2; }));
    box.SetResolution(1);
    EXPECT_TRUE(box.TimerRunning());
    EXPECT_EQ(box.Resolution(), 1);
}

TEST(ImageBox, TicksQueuedBeforeStopAreStillDelivered) {
    TImageBox box(nullptr);
    box.SetInterval(1);
    box.SetTimerEnabled(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    box.SetTimerEnabled(false);
    int ticks = 0;
    box.OnTimer = [&](TObject*) { ++ticks; };
    test::DeliverPosted();
    EXPECT_GT(ticks, 0);
}

TEST(ImageBox, DestroyingARunningBoxDropsQueuedTicks) {
    int ticks = 0;
    {
        TImageBox box(nullptr);
        box.OnTimer = [&](TObject*) { ++ticks; };
        box.SetInterval(1);
        box.SetTimerEnabled(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    test::DeliverPosted();
    EXPECT_EQ(ticks, 0);
}

TEST(ImageBox, StoredTimerEnabledStartsWithCreationValuesThenRestarts) {
    TImageBox box(nullptr);
    // Properties applied in storage order, as a stored form does.
    box.SetTimerEnabled(true);
    EXPECT_TRUE(box.TimerRunning());
    box.SetInterval(3);
    box.SetResolution(3);
    int ticks = 0;
    box.OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_TRUE(test::RunEventsUntil([&] { return ticks >= 2; }));
}

TEST(ImageBox, ZeroIntervalYieldsNoTicks) {
    TImageBox box(nullptr);
    box.SetInterval(0);
    box.SetTimerEnabled(true);
    EXPECT_TRUE(box.TimerEnabled());
    EXPECT_FALSE(box.TimerRunning());
}

} // namespace
} // namespace orv
