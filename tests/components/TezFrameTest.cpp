// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/media/TezFrame.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

void ExpectBevels(const TTezFrame& frame, int cw, int ch) {
    const TBevel& outer = frame.OuterBevel();
    const TBevel& inner = frame.InnerBevel();
    EXPECT_EQ((TRect{outer.Left(), outer.Top(), outer.Width(), outer.Height()}),
              (TRect{6, 12, cw + 4, ch + 4}));
    EXPECT_EQ((TRect{inner.Left(), inner.Top(), inner.Width(), inner.Height()}),
              (TRect{7, 13, cw + 2, ch + 2}));
}

TEST(TezFrame, NewFrameAlreadyShowsItsBorderAtTheDefaultSize) {
    TTezFrame frame(nullptr);
    EXPECT_EQ(frame.Width(), TTezFrame::kDefaultWidth);
    EXPECT_EQ(frame.ClientWidth(), TTezFrame::kDefaultWidth - 16);
    EXPECT_EQ(frame.ClientHeight(), TTezFrame::kDefaultHeight - 22);
    ExpectBevels(frame, frame.ClientWidth(), frame.ClientHeight());
    EXPECT_EQ(frame.TitleLabel().Left(), 8);
    EXPECT_EQ(frame.TitleLabel().Top(), 2);
    EXPECT_TRUE(frame.TitleLabel().Font().Bold());
    EXPECT_EQ(frame.TitleLabel().Font().Height(), -11);
    EXPECT_EQ(frame.BevelWidth(), 2);
    EXPECT_EQ(frame.BevelOuter(), TBevelCut::bvRaised);
}

TEST(TezFrame, ClientSizeAndOuterSizeFollowEachOther) {
    TTezFrame frame(nullptr);
    frame.SetClientWidth(400);
    frame.SetClientHeight(400);
    EXPECT_EQ(frame.Width(), 416);
    EXPECT_EQ(frame.Height(), 422);
    ExpectBevels(frame, 400, 400);

    TTezFrame other(nullptr);
    other.SetBounds(0, 0, 416, 422);
    EXPECT_EQ(other.ClientWidth(), 400);
    EXPECT_EQ(other.ClientHeight(), 400);
    ExpectBevels(other, 400, 400);
}

TEST(TezFrame, NegativeClientSizeIsIgnoredAndTinyFramesGrowToTheMinimum) {
    TTezFrame frame(nullptr);
    frame.SetClientWidth(100);
    frame.SetClientWidth(-1);
    EXPECT_EQ(frame.ClientWidth(), 100);
    EXPECT_EQ(frame.Width(), 116);
    frame.SetBounds(0, 0, 10, 10);
    EXPECT_EQ(frame.Width(), 16);
    EXPECT_EQ(frame.Height(), 22);
    EXPECT_EQ(frame.ClientWidth(), 0);
    EXPECT_EQ(frame.ClientHeight(), 0);
}

TEST(TezFrame, TitleChangesOnlyTheLabel) {
    TTezFrame frame(nullptr);
    frame.SetClientWidth(400);
    frame.SetClientHeight(400);
    frame.SetTitle("ORBIT RAVEN");
    EXPECT_EQ(frame.TitleLabel().Caption(), "ORBIT RAVEN");
    EXPECT_GT(frame.TitleLabel().Width(), 0);
    EXPECT_EQ(frame.Width(), 416);
    EXPECT_EQ(frame.Height(), 422);
}

} // namespace
} // namespace orv
