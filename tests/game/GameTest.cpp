// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameRig.h"
#include "components/settings/AutoIni.h"
#include "game/PMisc.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

using test::GameRig;

int CountGridCells(TField& grid, std::uint8_t code) {
    int n = 0;
    for (int x = 0; x < 25; ++x)
        for (int y = 0; y < 25; ++y)
            n += grid.GetCell(x, y) == code;
    return n;
}

bool StripEmpty(GameRig& rig) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 144; ++x)
            if (rig.left.Bitmap().Pixel(x, y) != clBlack)
                return false;
    return true;
}

TEST(FormatNumber, KeepsTheLastSixCharacters) {
    EXPECT_EQ(FormatNumber(0), "000000");
    EXPECT_EQ(FormatNumber(42), "000042");
    EXPECT_EQ(FormatNumber(999999), "999999");
    EXPECT_EQ(FormatNumber(1234567), "234567");
}

TEST(Game, StartUpShowsTheDoubledTitleWithTheTimerStopped) {
    GameRig rig;
    EXPECT_EQ(rig.game.State(), gsTitle);
    EXPECT_FALSE(rig.field.TimerEnabled());
    EXPECT_EQ(rig.game.GetSpeed(), 200);
    EXPECT_EQ(rig.level.Caption(), "000000");
    EXPECT_EQ(rig.hiScore.Caption(), "000000");
    EXPECT_TRUE(StripEmpty(rig));
    // The 180 x 80 title, doubled, covers (20, 64) to (380, 224).
    const TBitmap& title = rig.title.Bitmap();
    const TBitmap& field = rig.field.Bitmap();
    int lit = 0;
    for (int y = 0; y < 80; y += 3)
        for (int x = 0; x < 180; x += 3) {
            ASSERT_EQ(field.Pixel(20 + 2 * x, 64 + 2 * y), title.Pixel(x, y)) << x << "," << y;
            ASSERT_EQ(field.Pixel(21 + 2 * x, 65 + 2 * y), title.Pixel(x, y)) << x << "," << y;
            lit += title.Pixel(x, y) != clBlack;
        }
    EXPECT_GT(lit, 0);
    for (TPoint outside : {TPoint{19, 100}, TPoint{380, 100}, TPoint{200, 63}, TPoint{200, 224}})
        EXPECT_EQ(field.Pixel(outside.X, outside.Y), clBlack);
}

TEST(Game, NewGameSetsUpTwoShipsInReserveAndANewLife) {
    GameRig rig;
    rig.game.SetHiScore(500);
    rig.score.SetCaption("123456");
    rig.game.Start();
    EXPECT_EQ(rig.game.State(), gsPlaying);
    EXPECT_TRUE(rig.field.TimerEnabled());
    EXPECT_EQ(rig.score.Caption(), "000000");
    EXPECT_EQ(rig.level.Caption(), "000000");
    EXPECT_EQ(rig.hiScore.Caption(), "000500");
    EXPECT_TRUE(rig.IconAt(104));
    EXPECT_TRUE(rig.IconAt(84));
    EXPECT_FALSE(rig.IconAt(64));
    EXPECT_EQ(rig.Ship().State(), usAlive);
    EXPECT_EQ(rig.Ship().Position(), (TPoint{12, 12}));
    EXPECT_EQ(rig.Ship().MoveDirection(), 4);
    EXPECT_TRUE(rig.CellShows({12, 12}, kShipPicture));
    EXPECT_EQ(rig.Enemy().State(), usAlive);
    EXPECT_GT(ManhattanDistance(rig.Enemy().Position(), {12, 12}), 10);
    EXPECT_TRUE(rig.CellShows(rig.Enemy().Position(), kEnemyPicture));
    // The title is gone with the new field.
    EXPECT_EQ(rig.field.Bitmap().Pixel(200, 100), clBlack);
}

TEST(Game, KillsScoreTenTimesLevelPlusOneAndLevelRisesEverySecondKill) {
    GameRig rig;
    rig.game.Start();
    std::vector<std::string> scores;
    std::vector<std::string> levels;
    for (int kill = 0; kill < 6; ++kill) {
        rig.Enemy().SetState(usAlive);
        rig.Enemy().Hit();
        scores.push_back(rig.score.Caption());
        levels.push_back(rig.level.Caption());
        EXPECT_EQ(rig.hiScore.Caption(), rig.score.Caption());
    }
    EXPECT_EQ(scores, (std::vector<std::string>{"000010", "000020", "000040", "000060", "000090",
                                                "000120"}));
    EXPECT_EQ(levels, (std::vector<std::string>{"000000", "000001", "000001", "000002", "000002",
                                                "000003"}));
    rig.game.GameOver();
    rig.game.Start();
    EXPECT_EQ(rig.score.Caption(), "000000");
    EXPECT_EQ(rig.level.Caption(), "000000");
    EXPECT_EQ(rig.hiScore.Caption(), "000120");
    // The level step starts over with the new game.
    rig.game.EnemyDestroyed();
    EXPECT_EQ(rig.level.Caption(), "000000");
}

TEST(Game, ScoreStopsAt999999) {
    GameRig rig;
    rig.game.Start();
    rig.game.SetLevel(40);
    rig.game.SetScore(999800);
    rig.game.EnemyDestroyed();
    EXPECT_EQ(rig.game.Score(), 999999);
    EXPECT_EQ(rig.score.Caption(), "999999");
    EXPECT_EQ(rig.hiScore.Caption(), "999999");
    rig.game.EnemyDestroyed();
    EXPECT_EQ(rig.game.Score(), 999999);
    EXPECT_EQ(rig.game.HiScore(), 999999);
}

TEST(Game, LostShipsLeaveTheStripFromTheLeftThenTheGameEnds) {
    GameRig rig;
    rig.game.Start();
    rig.Grid().SetCell(3, 3, ccMine);
    rig.Ship().SetState(usGone);
    rig.Tick();
    EXPECT_EQ(rig.game.ShipsLeft(), 1);
    EXPECT_TRUE(rig.IconAt(104));
    EXPECT_FALSE(rig.IconAt(84));
    EXPECT_EQ(rig.Grid().GetCell(3, 3), ccEmpty);
    EXPECT_EQ(rig.Ship().State(), usAlive);
    EXPECT_EQ(rig.Ship().Position(), (TPoint{12, 12}));
    EXPECT_EQ(rig.game.State(), gsPlaying);

    rig.Ship().SetState(usGone);
    rig.Tick();
    EXPECT_EQ(rig.game.ShipsLeft(), 0);
    EXPECT_TRUE(StripEmpty(rig));
    EXPECT_TRUE(rig.field.TimerEnabled());

    rig.Ship().SetState(usGone);
    rig.Tick();
    EXPECT_EQ(rig.game.State(), gsGameOver);
    EXPECT_FALSE(rig.field.TimerEnabled());
    // The last picture stays: no new life was drawn.
    EXPECT_EQ(rig.Ship().State(), usGone);
}

TEST(Game, PauseAndResumeActOnlyInTheirStates) {
    GameRig rig;
    rig.game.Pause();
    rig.game.Resume();
    EXPECT_EQ(rig.game.State(), gsTitle);
    EXPECT_FALSE(rig.field.TimerEnabled());

    rig.game.Start();
    rig.game.Resume();
    EXPECT_EQ(rig.game.State(), gsPlaying);
    rig.game.Pause();
    EXPECT_EQ(rig.game.State(), gsPaused);
    EXPECT_FALSE(rig.field.TimerEnabled());
    rig.game.Pause();
    EXPECT_EQ(rig.game.State(), gsPaused);
    rig.game.Resume();
    EXPECT_EQ(rig.game.State(), gsPlaying);
    EXPECT_TRUE(rig.field.TimerEnabled());

    rig.game.GameOver();
    rig.game.Pause();
    rig.game.Resume();
    EXPECT_EQ(rig.game.State(), gsGameOver);
    EXPECT_FALSE(rig.field.TimerEnabled());
}

TEST(Game, ToTitleDropsTheGameButKeepsTheLabels) {
    GameRig rig;
    rig.game.Start();
    rig.game.EnemyDestroyed();
    rig.game.EnemyDestroyed();
    rig.Grid().SetCell(5, 5, ccMine);
    rig.game.ToTitle();
    EXPECT_EQ(rig.game.State(), gsTitle);
    EXPECT_FALSE(rig.field.TimerEnabled());
    EXPECT_TRUE(StripEmpty(rig));
    EXPECT_EQ(CountGridCells(rig.Grid(), ccEmpty), 625);
    EXPECT_EQ(rig.score.Caption(), "000020");
    EXPECT_EQ(rig.level.Caption(), "000001");
    EXPECT_EQ(rig.hiScore.Caption(), "000020");
    EXPECT_EQ(rig.field.Bitmap().Pixel(20, 64), rig.title.Bitmap().Pixel(0, 0));
}

TEST(Game, SpeedIsTheFieldBoxIntervalAndChangesARunningTimer) {
    GameRig rig;
    rig.game.Start();
    rig.game.SetSpeed(125);
    EXPECT_EQ(rig.field.Interval(), 125);
    EXPECT_EQ(rig.game.GetSpeed(), 125);
    EXPECT_TRUE(rig.field.TimerRunning());
}

TEST(Game, SoundSwitchesEnableThePlayers) {
    GameRig rig;
    bool sound = false;
    bool laser = false;
    rig.game.GetSound(sound, laser);
    EXPECT_TRUE(sound);
    EXPECT_TRUE(laser);

    rig.game.SetSound(true, false);
    EXPECT_TRUE(rig.shipBoom.Enabled());
    EXPECT_TRUE(rig.enemyBoom.Enabled());
    EXPECT_FALSE(rig.laser.Enabled());
    rig.game.Start();
    rig.game.SetFire(true);
    rig.fakes.sound.played.clear();
    rig.Ship().Move();
    rig.Ship().Draw();
    EXPECT_TRUE(rig.fakes.sound.played.empty());
    rig.Ship().SetState(usStruck);
    rig.Ship().Move();
    EXPECT_EQ(rig.fakes.sound.played.size(), 1u);

    rig.game.SetSound(false, true);
    EXPECT_FALSE(rig.shipBoom.Enabled());
    EXPECT_FALSE(rig.enemyBoom.Enabled());
    EXPECT_FALSE(rig.laser.Enabled());
    rig.game.GetSound(sound, laser);
    EXPECT_FALSE(sound);
    EXPECT_TRUE(laser);
    rig.game.SetSound(true, true);
    EXPECT_TRUE(rig.laser.Enabled());
}

TEST(Game, SettingsLoadWithDefaultsAndSaveBack) {
    GameRig rig;
    // Never loaded, so it reads nothing from disk and writes nothing back.
    TAutoIniFile ini(nullptr);
    rig.game.SetSpeed(400);
    rig.game.SetSound(false, false);
    rig.game.LoadSettings(ini);
    EXPECT_EQ(rig.game.GetSpeed(), 200);
    EXPECT_TRUE(rig.laser.Enabled());

    ini.WriteInteger("Game", "Speed", 300);
    ini.WriteBool("Game", "Sound", true);
    ini.WriteBool("Game", "LaserSound", false);
    rig.game.LoadSettings(ini);
    EXPECT_EQ(rig.game.GetSpeed(), 300);
    EXPECT_TRUE(rig.shipBoom.Enabled());
    EXPECT_FALSE(rig.laser.Enabled());

    rig.game.SetSpeed(125);
    rig.game.SetSound(false, true);
    rig.game.SaveSettings(ini);
    EXPECT_EQ(ini.ReadInteger("Game", "Speed", 0), 125);
    EXPECT_FALSE(ini.ReadBool("Game", "Sound", true));
    EXPECT_TRUE(ini.ReadBool("Game", "LaserSound", false));
}

// A mine picture on the field is a mine in the grid: the ship flies into
// what it sees. Seeded games with fire held; the enemy sometimes respawns on
// the beam and drops a mine there before the beam is cleared.
TEST(Game, EveryMineOnTheScreenIsAMineInTheGrid) {
    for (const std::uint32_t seed : {55u, 65u}) {
        GameRig rig;
        rig.game.Start();
        rig.game.Random().Seed(seed);
        rig.game.SetFire(true);
        for (int ticks = 0; ticks < 20000 && rig.game.State() == gsPlaying; ++ticks) {
            if (ticks % 5 == 0)
                rig.game.TurnShip();
            rig.Tick();
            for (int x = 0; x < 25; ++x)
                for (int y = 0; y < 25; ++y) {
                    if (rig.CellShows({x, y}, kMinePicture)) {
                        ASSERT_EQ(rig.Grid().GetCell(x, y), ccMine)
                            << "seed " << seed << ", tick " << ticks << ", cell " << x << "," << y;
                    }
                }
        }
    }
}

// Kill k of a new game is worth 10 x (level + 1), the level rising every
// second kill.
std::vector<int> ExpectedScores(int kills) {
    std::vector<int> scores;
    int score = 0;
    for (int k = 0; k < kills; ++k) {
        score += 10 * (k / 2 + 1);
        scores.push_back(score);
    }
    return scores;
}

TEST(Game, AWholeSeededGameRunsToGameOver) {
    GameRig rig;
    rig.game.Start();
    rig.game.Random().Seed(7);
    rig.game.SetFire(true);
    std::vector<int> scores;
    std::vector<int> shipsLeft{rig.game.ShipsLeft()};
    int ticks = 0;
    for (; ticks < 100000 && rig.game.State() == gsPlaying; ++ticks) {
        if (ticks % 5 == 0)
            rig.game.TurnShip();
        const int before = rig.game.Score();
        rig.Tick();
        if (rig.game.Score() != before)
            scores.push_back(rig.game.Score());
        if (rig.game.ShipsLeft() != shipsLeft.back())
            shipsLeft.push_back(rig.game.ShipsLeft());
        ASSERT_EQ(rig.score.Caption(), FormatNumber(rig.game.Score()));
        ASSERT_EQ(rig.level.Caption(), FormatNumber(rig.game.Level()));
        ASSERT_GE(rig.game.HiScore(), rig.game.Score());
        ASSERT_LE(CountGridCells(rig.Grid(), ccShip), 1);
    }
    EXPECT_EQ(rig.game.State(), gsGameOver);
    EXPECT_FALSE(rig.field.TimerEnabled());
    EXPECT_EQ(shipsLeft, (std::vector<int>{2, 1, 0}));
    EXPECT_FALSE(scores.empty());
    EXPECT_EQ(scores, ExpectedScores(static_cast<int>(scores.size())));
    EXPECT_EQ(rig.game.Level(), static_cast<int>(scores.size()) / 2);
    EXPECT_EQ(rig.hiScore.Caption(), rig.score.Caption());
}

} // namespace
} // namespace orv
