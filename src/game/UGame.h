// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Random.h"
#include "framework/app/Component.h"
#include "framework/core/Types.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orv {

class TAutoIniFile;
class TCanvas;
class TCustomImageBox;
class TEnemy;
class TField;
class TImageList;
class TLabel;
class TMyShip;
class TWavePlayer;

enum TGameState : std::uint8_t { gsTitle, gsPlaying, gsPaused, gsGameOver };

// Six digits with leading zeros, as the side panel shows every number.
std::string FormatNumber(int value);

// The game: owns the grid, the ship and the enemy, runs one step per tick of
// the field box's timer, keeps score, level and ships left, and draws the
// field, the ships-left strip, the labels and the overlay texts.
class TGame : public TObject {
public:
    static constexpr int kMaxScore = 999999;
    // The speed menu's tick periods in milliseconds; a game starts at the
    // normal one.
    static constexpr int kFastSpeed = 125;
    static constexpr int kNormalSpeed = 200;
    static constexpr int kSlowSpeed = 400;
    // Where the settings file keeps the game's settings and the high score.
    static constexpr const char* kIniSection = "Game";
    static constexpr const char* kHiScoreKey = "HiScore";
    static constexpr const char* kSpeedKey = "Speed";
    static constexpr const char* kSoundKey = "Sound";
    static constexpr const char* kLaserSoundKey = "LaserSound";

    TGame();
    ~TGame() override;

    void Setup(TCustomImageBox& fieldBox, TCustomImageBox& leftBox, TCustomImageBox& titleBox,
               const TImageList& unitImages, TLabel& hiScoreLabel, TLabel& scoreLabel,
               TLabel& levelLabel, TWavePlayer& shipExplosion, TWavePlayer& enemyExplosion,
               TWavePlayer& laser);
    void LoadSettings(const TAutoIniFile& ini);
    void SaveSettings(TAutoIniFile& ini) const;

    // Raised when a game ends: at game over, or when a running or paused
    // game goes back to the title.
    TNotifyEvent OnGameEnded;

    void Tick(TObject* sender);
    void PaintOverlay(TObject* sender);

    void Start();
    void ToTitle();
    void GameOver();
    void Pause();
    void Resume();
    void ClearField();
    void Clear();

    void SetFire(bool fire);
    void TurnShip();
    void EnemyDestroyed();

    void GetSound(bool& sound, bool& laserSound) const;
    void SetSound(bool sound, bool laserSound);
    int GetSpeed() const;
    void SetSpeed(int milliseconds);

    TGameState State() const { return state_; }
    int HiScore() const { return hiScore_; }
    void SetHiScore(int value);
    int Score() const { return score_; }
    void SetScore(int value);
    int Level() const { return level_; }
    void SetLevel(int value);
    int ShipsLeft() const { return shipsLeft_; }
    void SetShipsLeft(int count);

    // The parts a test or a scenario looks into; null before Setup.
    TRandom& Random() { return random_; }
    TField* Grid() { return grid_.get(); }
    TMyShip* Ship() { return ship_.get(); }
    TEnemy* Enemy() { return enemy_.get(); }

private:
    void SetState(TGameState state);
    void NewGame();
    void NewLife();
    void CheckShipLost();
    void DrawTitle();
    void WriteCentred(TCanvas& canvas, const std::string& text, TColor color, int quarters);

    TGameState state_ = gsTitle;
    int shipsLeft_ = 0;
    int hiScore_ = 0;
    int score_ = 0;
    int level_ = 0;
    bool sound_ = true;
    bool laserSound_ = true;
    TLabel* hiScoreLabel_ = nullptr;
    TLabel* scoreLabel_ = nullptr;
    TLabel* levelLabel_ = nullptr;
    TCustomImageBox* fieldBox_ = nullptr;
    TCustomImageBox* leftBox_ = nullptr;
    TCustomImageBox* titleBox_ = nullptr;
    TCanvas* fieldCanvas_ = nullptr;
    TCanvas* leftCanvas_ = nullptr;
    const TImageList* unitImages_ = nullptr;
    TWavePlayer* shipExplosion_ = nullptr;
    TWavePlayer* enemyExplosion_ = nullptr;
    TWavePlayer* laser_ = nullptr;
    TRandom random_;
    std::unique_ptr<TField> grid_;
    std::unique_ptr<TMyShip> ship_;
    std::unique_ptr<TEnemy> enemy_;
    int killStep_ = 0;
};

// The one game of the program; the main window creates it and sets this.
extern TGame* Game;

} // namespace orv
