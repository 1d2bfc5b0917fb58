// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Field.h"
#include "game/PMisc.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Field, ClearEmptiesAllCellsAndCellsAreIndexedXThenY) {
    TField field;
    for (int x = 0; x < 25; ++x)
        for (int y = 0; y < 25; ++y)
            field.SetCell(x, y, ccMine);
    field.Clear();
    int nonEmpty = 0;
    for (int x = 0; x < 25; ++x)
        for (int y = 0; y < 25; ++y)
            nonEmpty += field.GetCell(x, y) != ccEmpty;
    EXPECT_EQ(nonEmpty, 0);
    field.SetCell(3, 7, ccLaser);
    EXPECT_EQ(field.GetCell(3, 7), ccLaser);
    EXPECT_EQ(field.GetCell(7, 3), ccEmpty);
    field.SetCell(24, 24, ccShip);
    EXPECT_EQ(field.GetCell(24, 24), ccShip);
    EXPECT_EQ(field.GetCell(0, 0), ccEmpty);
}

TEST(Geometry, DirectionTableAndDistances) {
    EXPECT_EQ(kDirections[0], (TPoint{0, 0}));
    EXPECT_EQ(kDirections[1], (TPoint{0, -1}));
    EXPECT_EQ(kDirections[4], (TPoint{1, 0}));
    EXPECT_EQ(kDirections[5], (TPoint{-1, 1}));
    EXPECT_EQ(kDirections[8], (TPoint{1, -1}));
    EXPECT_EQ(ManhattanDistance({0, 0}, {24, 24}), 48);
    EXPECT_EQ(ManhattanDistance({12, 12}, {5, 16}), 11);
    EXPECT_EQ(PointAdd({24, 0}, {1, -1}), (TPoint{25, -1}));
    EXPECT_EQ(TField::kFieldRect, (TRect{0, 0, 400, 400}));
}

} // namespace
} // namespace orv
