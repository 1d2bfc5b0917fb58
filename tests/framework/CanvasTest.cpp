// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/drawing/Bitmap.h"
#include "framework/drawing/ImageList.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Canvas, FillRectLeavesRightAndBottomEdgesOut) {
    TBitmap bitmap(20, 20);
    bitmap.Canvas().Brush() = {clWhite, TBrushStyle::bsSolid};
    bitmap.Canvas().FillRect({2, 3, 6, 8});
    EXPECT_EQ(bitmap.Pixel(2, 3), clWhite);
    EXPECT_EQ(bitmap.Pixel(5, 7), clWhite);
    EXPECT_EQ(bitmap.Pixel(6, 7), clBlack);
    EXPECT_EQ(bitmap.Pixel(5, 8), clBlack);
    EXPECT_EQ(bitmap.Pixel(1, 3), clBlack);
}

TEST(Canvas, RectangleTakesCornersInEitherOrder) {
    TBitmap bitmap(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush() = {clRed, TBrushStyle::bsSolid};
    canvas.Pen().Color = clRed;
    canvas.Rectangle(10, 10, 4, 4);
    EXPECT_EQ(bitmap.Pixel(4, 4), clRed);
    EXPECT_EQ(bitmap.Pixel(9, 9), clRed);
    EXPECT_EQ(bitmap.Pixel(10, 9), clBlack);
}

TEST(Canvas, LineStopsBeforeItsEndPointAndClipsAtTheEdge) {
    TBitmap bitmap(20, 20);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().Color = clYellow;
    canvas.MoveTo(2, 5);
    canvas.LineTo(8, 5);
    EXPECT_EQ(bitmap.Pixel(2, 5), clYellow);
    EXPECT_EQ(bitmap.Pixel(7, 5), clYellow);
    EXPECT_EQ(bitmap.Pixel(8, 5), clBlack);
    EXPECT_EQ(bitmap.Pixel(2, 4), clBlack);
    canvas.MoveTo(10, 12);
    canvas.LineTo(10, 12 - 400);
    EXPECT_EQ(bitmap.Pixel(10, 0), clYellow);
    EXPECT_EQ(bitmap.Pixel(10, 12), clYellow);
    EXPECT_EQ(bitmap.Pixel(10, 13), clBlack);
}

TEST(Canvas, TextBackgroundIsOpaqueOnlyWithASolidBrush) {
    TBitmap bitmap(80, 30);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font().SetColor(clWhite);
    canvas.Brush() = {clRed, TBrushStyle::bsSolid};
    canvas.TextOut(0, 0, "I");
    EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
    TBitmap clear(80, 30);
    clear.Canvas().Font().SetColor(clWhite);
    clear.Canvas().Brush() = {clRed, TBrushStyle::bsCross};
    clear.Canvas().TextOut(0, 0, "I");
    EXPECT_NE(clear.Pixel(0, 0), clRed);
    const TSize extent = clear.Canvas().TextExtent("WIDE TEXT");
    EXPECT_GT(extent.cx, clear.Canvas().TextExtent("W").cx);
    EXPECT_GT(extent.cy, 0);
}

TEST(Bitmap, ResizeKeepsTopLeftAndReportsEveryChange) {
    TBitmap bitmap(4, 4);
    int changes = 0;
    bitmap.OnChange = [&] { ++changes; };
    bitmap.Canvas().Brush().Color = clWhite;
    bitmap.Canvas().FillRect({0, 0, 4, 4});
    EXPECT_EQ(changes, 1);
    bitmap.SetWidth(8);
    EXPECT_EQ(changes, 2);
    bitmap.SetWidth(8);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bitmap.Pixel(3, 3), clWhite);
    EXPECT_EQ(bitmap.Pixel(6, 3), clBlack);
    bitmap.Assign(nullptr);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(changes, 3);
}

TEST(Bitmap, StretchDrawDoublesPixelsWithoutBlending) {
    TBitmap source(2, 1);
    source.Canvas().Brush().Color = clWhite;
    source.Canvas().FillRect({0, 0, 1, 1});
    TBitmap target(4, 2);
    target.Canvas().StretchDraw({0, 0, 4, 2}, source);
    EXPECT_EQ(target.Pixel(0, 0), clWhite);
    EXPECT_EQ(target.Pixel(1, 1), clWhite);
    EXPECT_EQ(target.Pixel(2, 0), clBlack);
}

TEST(ImageList, CutsPicturesAndLeavesTheMaskColourTransparent) {
    TBitmap strip(32, 16);
    strip.Canvas().Brush().Color = clRed;
    strip.Canvas().FillRect({0, 0, 8, 16}); // picture 0: left half red
    strip.Canvas().Brush().Color = clYellow;
    strip.Canvas().FillRect({16, 0, 32, 8}); // picture 1: top half yellow
    TImageList list;
    list.AddMasked(strip, clBlack);
    ASSERT_EQ(list.Count(), 2);

    TBitmap target(16, 16);
    target.Canvas().Brush().Color = clWhite;
    target.Canvas().FillRect({0, 0, 16, 16});
    list.Draw(target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Pixel(3, 3), clYellow);
    EXPECT_EQ(target.Pixel(3, 12), clWhite); // black was left out
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.Pixel(3, 3), clRed);
    EXPECT_EQ(target.Pixel(12, 3), clYellow);
}

} // namespace
} // namespace orv
