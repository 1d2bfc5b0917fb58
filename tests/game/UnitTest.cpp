// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameRig.h"
#include "game/PMisc.h"

#include <gtest/gtest.h>

#include <set>

namespace orv {
namespace {

constexpr TColor kYellow = clYellow;

class Units : public ::testing::Test {
protected:
    void SetUp() override { rig.game.Start(); }

    int CountCells(std::uint8_t code) {
        int n = 0;
        for (int x = 0; x < 25; ++x)
            for (int y = 0; y < 25; ++y)
                n += rig.Grid().GetCell(x, y) == code;
        return n;
    }
    // One tick of the ship alone, so the enemy stays where a test put it.
    void ShipStep() {
        rig.Ship().Erase();
        rig.Ship().Move();
        rig.Ship().Draw();
    }
    void Place(TGameUnit& unit, TPoint at, TUnitState state = usAlive) {
        unit.SetPosition(at);
        unit.SetState(state);
    }
    TColor FieldPixel(int x, int y) { return rig.field.Bitmap().Pixel(x, y); }

    test::GameRig rig;
};

TEST_F(Units, ShipWrapsEachAxisByItself) {
    struct Case {
        TPoint from;
        int direction;
        TPoint to;
    };
    const Case cases[] = {{{24, 5}, 4, {0, 5}},  {{24, 0}, 8, {0, 24}},  {{0, 0}, 7, {24, 24}},
                          {{5, 24}, 2, {5, 0}},  {{0, 13}, 3, {24, 13}}, {{0, 24}, 5, {24, 0}},
                          {{24, 24}, 6, {0, 0}}, {{7, 7}, 1, {7, 6}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.X << "," << c.from.Y << " dir " << c.direction);
        rig.Ship().Erase();
        rig.Ship().SetPosition(c.from);
        rig.Ship().SetMoveDirection(c.direction);
        rig.Ship().Move();
        EXPECT_EQ(rig.Ship().Position(), c.to);
        EXPECT_EQ(rig.Grid().GetCell(c.to.X, c.to.Y), ccShip);
        EXPECT_EQ(CountCells(ccShip), 1);
    }
}

TEST_F(Units, HeldFireReplacesTheBeamEveryTickInAStraightDirection) {
    rig.game.SetFire(true);
    std::set<int> seen;
    for (int tick = 0; tick < 60; ++tick) {
        ShipStep();
        const int d = rig.Ship().LaserDirection();
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 4);
        seen.insert(d);
        const TPoint step = kDirections[static_cast<std::size_t>(d)];
        const TPoint at = rig.Ship().Position();
        int length = 0;
        for (TPoint p = PointAdd(at, step); p.X >= 0 && p.X < 25 && p.Y >= 0 && p.Y < 25;
             p = PointAdd(p, step), ++length)
            EXPECT_EQ(rig.Grid().GetCell(p.X, p.Y), ccLaser);
        // Nothing of the previous beam is left.
        EXPECT_EQ(CountCells(ccLaser), length);
        // The line runs through the centre of the cells on the beam.
        const int cx = at.X * 16 + 8;
        const int cy = at.Y * 16 + 8;
        const TPoint probe{cx + step.X * 12, cy + step.Y * 12};
        if (probe.X >= 0 && probe.X < 400 && probe.Y >= 0 && probe.Y < 400) {
            EXPECT_EQ(FieldPixel(probe.X, probe.Y), kYellow);
            rig.Ship().EraseLaser();
            EXPECT_EQ(FieldPixel(probe.X, probe.Y), clBlack);
        }
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4}));
}

TEST_F(Units, BeamFiredAtTheEdgeNeverWrapsYetIsDrawnAndHeard) {
    rig.game.SetFire(true);
    for (int tries = 0; tries < 100 && rig.Ship().LaserDirection() != 4; ++tries) {
        rig.Ship().Erase();
        rig.Ship().SetPosition({23, 10});
        rig.Ship().SetMoveDirection(4);
        rig.Ship().Move();
    }
    ASSERT_EQ(rig.Ship().LaserDirection(), 4);
    EXPECT_EQ(CountCells(ccLaser), 0);
    rig.fakes.sound.played.clear();
    rig.Ship().Draw();
    ASSERT_EQ(rig.fakes.sound.played.size(), 1u);
    EXPECT_EQ(rig.fakes.sound.played[0], rig.laser.SoundImage());
    EXPECT_EQ(FieldPixel(399, 10 * 16 + 8), kYellow);
    rig.Ship().Erase();
    EXPECT_TRUE(rig.CellBlack({24, 10}));
}

TEST_F(Units, MineOnTheBeamBurstsForOneTickAndIsGoneAfterTheNextMove) {
    rig.game.SetFire(true);
    // The ship moves from the centre to (13, 12); a mine waits in each of
    // the four straight directions from there.
    const TPoint mines[] = {{13, 4}, {13, 20}, {4, 12}, {20, 12}};
    for (TPoint m : mines)
        rig.Grid().SetCell(m.X, m.Y, ccMine);
    rig.Ship().Erase();
    rig.Ship().Move();
    const int d = rig.Ship().LaserDirection();
    ASSERT_GE(d, 1);
    const TPoint hit = mines[d - 1];
    EXPECT_EQ(rig.Grid().GetCell(hit.X, hit.Y), ccLaser);
    // Checked before the line is drawn across it.
    EXPECT_TRUE(rig.CellShows(hit, kSmallBurstPicture));
    EXPECT_EQ(CountCells(ccMine), 3);
    rig.Ship().Draw();

    rig.game.SetFire(false);
    ShipStep();
    EXPECT_EQ(rig.Grid().GetCell(hit.X, hit.Y), ccEmpty);
    EXPECT_TRUE(rig.CellBlack(hit));
    EXPECT_EQ(CountCells(ccMine), 3);
    EXPECT_EQ(rig.score.Caption(), "000000");
}

TEST_F(Units, ExplodingShipDriftsAndWrapsAndCannotTurn) {
    Place(rig.Ship(), {23, 3}, usStruck);
    rig.Ship().SetMoveDirection(8);
    rig.Ship().Move();
    rig.Ship().Move();
    EXPECT_EQ(rig.Ship().State(), usExploding);
    EXPECT_EQ(rig.Ship().Position(), (TPoint{0, 1}));
    for (int i = 0; i < 20; ++i)
        rig.game.TurnShip();
    EXPECT_EQ(rig.Ship().MoveDirection(), 8);

    rig.Ship().Reset();
    std::set<int> turns;
    for (int i = 0; i < 200; ++i) {
        rig.game.TurnShip();
        turns.insert(rig.Ship().MoveDirection());
    }
    EXPECT_EQ(turns, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(Units, EnemyEndingItsStepOnTheBeamIsDestroyed) {
    // Level 0: the enemy always heads for a living ship.
    Place(rig.Ship(), {13, 12});
    Place(rig.Enemy(), {5, 12});
    rig.Grid().SetCell(5, 12, ccLaser);
    rig.Enemy().Move();
    EXPECT_EQ(rig.Enemy().Position(), (TPoint{6, 12}));
    EXPECT_EQ(rig.Enemy().State(), usAlive) << "stepping off the beam is safe";

    rig.Grid().SetCell(7, 13, ccMine);
    Place(rig.Enemy(), {6, 14});
    rig.Enemy().Move();
    EXPECT_EQ(rig.Enemy().Position(), (TPoint{7, 13}));
    EXPECT_EQ(rig.Enemy().State(), usAlive) << "mines are crossed unharmed";
    EXPECT_EQ(rig.Grid().GetCell(7, 13), ccMine);

    rig.Grid().SetCell(8, 12, ccLaser);
    rig.Enemy().Move();
    EXPECT_EQ(rig.Enemy().Position(), (TPoint{8, 12}));
    EXPECT_EQ(rig.Enemy().State(), usStruck);
    EXPECT_EQ(rig.score.Caption(), "000010");
}

TEST_F(Units, EnemyStrikesTheShipOnlyByEndingItsStepOnIt) {
    rig.Ship().Reset();
    Place(rig.Enemy(), {13, 12});
    // The ship flying onto the enemy is no collision by itself...
    rig.Ship().Move();
    EXPECT_EQ(rig.Ship().Position(), (TPoint{13, 12}));
    EXPECT_EQ(rig.Ship().State(), usAlive);
    // ...but the enemy, already at its target, stays and finds it there.
    rig.Enemy().Move();
    EXPECT_EQ(rig.Enemy().Position(), (TPoint{13, 12}));
    EXPECT_EQ(rig.Ship().State(), usStruck);

    rig.Ship().Reset();
    rig.Ship().Move();
    Place(rig.Enemy(), {11, 10});
    rig.Enemy().Move();
    EXPECT_EQ(rig.Enemy().Position(), (TPoint{12, 11}));
    EXPECT_EQ(rig.Ship().State(), usAlive);
    rig.Enemy().Move();
    EXPECT_EQ(rig.Ship().State(), usStruck);
    EXPECT_EQ(rig.score.Caption(), "000000");
}

TEST_F(Units, EnemySpawnsMoreThanTenCellsFromTheShip) {
    for (int i = 0; i < 500; ++i) {
        const TPoint ship{rig.game.Random().Integer(25), rig.game.Random().Integer(25)};
        rig.Ship().SetPosition(ship);
        rig.Enemy().Reset();
        ASSERT_GT(ManhattanDistance(ship, rig.Enemy().Position()), 10);
        ASSERT_EQ(rig.Enemy().State(), usAlive);
    }
    EXPECT_TRUE(rig.CellShows(rig.Enemy().Position(), kEnemyPicture));
}

TEST_F(Units, LevelSetsMineChanceAndChaseThresholdAtSpawn) {
    rig.Enemy().Reset();
    EXPECT_EQ(rig.Enemy().MineChance(), 0.0f);
    EXPECT_EQ(rig.Enemy().ChaseThreshold(), 0.0f);
    for (int i = 0; i < 200; ++i)
        rig.Enemy().Erase();
    EXPECT_EQ(CountCells(ccMine), 0);

    struct Case {
        int level;
        float mines;
    };
    for (Case c : {Case{9, 0.9f}, Case{10, 0.0f}, Case{15, 0.5f}, Case{19, 0.9f}}) {
        rig.game.SetLevel(c.level);
        rig.Enemy().Reset();
        EXPECT_FLOAT_EQ(rig.Enemy().MineChance(), c.mines) << c.level;
        EXPECT_GE(rig.Enemy().ChaseThreshold(), 0.0f);
        EXPECT_LT(rig.Enemy().ChaseThreshold(), c.level / 30.0f);
    }

    rig.game.SetLevel(9);
    rig.Enemy().Reset();
    const TPoint at = rig.Enemy().Position();
    int tries = 0;
    while (rig.Grid().GetCell(at.X, at.Y) != ccMine && tries++ < 100)
        rig.Enemy().Erase();
    EXPECT_EQ(rig.Grid().GetCell(at.X, at.Y), ccMine);
    EXPECT_TRUE(rig.CellShows(at, kMinePicture));
}

TEST_F(Units, LaserIsSilentOnlyWhileTheEnemyExplodes) {
    rig.game.SetFire(true);
    for (TUnitState enemy : {usExploding, usGone, usAlive, usStruck}) {
        rig.Enemy().SetState(enemy);
        rig.fakes.sound.played.clear();
        ShipStep();
        EXPECT_EQ(rig.fakes.sound.played.size(), enemy == usExploding ? 0u : 1u)
            << static_cast<int>(enemy);
        EXPECT_GT(rig.Ship().LaserDirection(), 0);
    }
}

TEST_F(Units, ShipExplosionRunsTwelveTicksThenTheGameTakesItAway) {
    rig.Grid().SetCell(13, 12, ccMine);
    Place(rig.Enemy(), {2, 2});
    rig.Tick(); // T: struck on the mine, still drawn as the ship
    ASSERT_EQ(rig.Ship().State(), usStruck);
    EXPECT_TRUE(rig.CellShows({13, 12}, kShipPicture));
    EXPECT_EQ(rig.Grid().GetCell(13, 12), ccShip);
    rig.fakes.sound.played.clear();
    const int expected[] = {5, 4, 3, 4, 3, 4, 3, 4, 3, 4, 3};
    for (int k = 1; k <= 11; ++k) {
        SCOPED_TRACE(k);
        rig.Tick();
        const TPoint at{13 + k, 12};
        ASSERT_NE(rig.Enemy().Position(), at);
        EXPECT_EQ(rig.Ship().Position(), at);
        EXPECT_EQ(rig.Ship().State(), usExploding);
        EXPECT_TRUE(rig.CellShows(at, expected[k - 1]));
        EXPECT_TRUE(rig.CellBlack({at.X - 1, 12}));
    }
    // The mine was used up, and the explosion was heard once.
    EXPECT_EQ(rig.Grid().GetCell(13, 12), ccEmpty);
    ASSERT_EQ(rig.fakes.sound.played.size(), 1u);
    EXPECT_EQ(rig.fakes.sound.played[0], rig.shipBoom.SoundImage());
    EXPECT_EQ(rig.game.ShipsLeft(), 2);
    rig.Tick(); // T + 12: gone, and a new life begins at once
    EXPECT_EQ(rig.game.ShipsLeft(), 1);
    EXPECT_EQ(rig.Ship().State(), usAlive);
    EXPECT_EQ(rig.Ship().Position(), (TPoint{12, 12}));
    EXPECT_TRUE(rig.CellBlack({0, 12}));
    EXPECT_TRUE(rig.CellShows({12, 12}, kShipPicture));
}

TEST_F(Units, EnemyExplosionShowsTwoPicturesAndRespawnsOnTheFourthTick) {
    // The ship goes right from the centre; the enemy, chasing it, steps from
    // (3, 12) onto a beam cell at (4, 12).
    Place(rig.Enemy(), {3, 12});
    rig.Grid().SetCell(4, 12, ccLaser);
    rig.Tick();
    ASSERT_EQ(rig.Enemy().State(), usStruck);
    EXPECT_TRUE(rig.CellShows({4, 12}, kEnemyPicture));
    EXPECT_EQ(rig.score.Caption(), "000010");

    rig.fakes.sound.played.clear();
    rig.Tick();
    EXPECT_TRUE(rig.CellShows({4, 12}, kSmallBurstPicture));
    ASSERT_EQ(rig.fakes.sound.played.size(), 1u);
    EXPECT_EQ(rig.fakes.sound.played[0], rig.enemyBoom.SoundImage());
    rig.Tick();
    EXPECT_TRUE(rig.CellShows({4, 12}, kBurstOddPicture));
    rig.Tick();
    EXPECT_EQ(rig.Enemy().State(), usGone);
    EXPECT_TRUE(rig.CellBlack({4, 12}));
    rig.Tick();
    EXPECT_EQ(rig.Enemy().State(), usAlive);
    EXPECT_GT(ManhattanDistance(rig.Enemy().Position(), rig.Ship().Position()), 10);
    EXPECT_TRUE(rig.CellShows(rig.Enemy().Position(), kEnemyPicture));
}

} // namespace
} // namespace orv
