// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UGame.h"

#include "Field.h"
#include "UUnit.h"
#include "components/media/ImageBox.h"
#include "components/media/WavePlay.h"
#include "components/settings/AutoIni.h"
#include "framework/controls/Creation.h"
#include "framework/controls/Label.h"
#include "framework/drawing/ImageList.h"

#include <algorithm>

namespace orv {

TGame* Game = nullptr;

namespace {

constexpr int kTitleTop = 64;
constexpr int kIconStep = 20;
constexpr int kKillsPerLevel = 2;

void SetFontFace(TFont& font) {
    font.SetName("Small Fonts");
    font.SetSize(24);
}

} // namespace

std::string FormatNumber(int value) {
    const std::string text = "000000" + std::to_string(value);
    return text.substr(text.size() - 6);
}

TGame::TGame() = default;

TGame::~TGame() {
    // A box that outlives the game must not call back into it.
    if (fieldBox_) {
        fieldBox_->OnTimer = nullptr;
        fieldBox_->OnPainted = nullptr;
    }
}

void TGame::Setup(TCustomImageBox& fieldBox, TCustomImageBox& leftBox, TCustomImageBox& titleBox,
                  const TImageList& unitImages, TLabel& hiScoreLabel, TLabel& scoreLabel,
                  TLabel& levelLabel, TWavePlayer& shipExplosion, TWavePlayer& enemyExplosion,
                  TWavePlayer& laser) {
    SetState(gsTitle);
    fieldBox_ = &fieldBox;
    fieldCanvas_ = &fieldBox.BitmapCanvas();
    TFont font = fieldBox.Font();
    SetFontFace(font);
    fieldBox.SetFont(font);
    SetFontFace(fieldCanvas_->Font());
    // A non-solid brush keeps the overlay texts' background transparent.
    fieldBox.Canvas().Brush().Style = TBrushStyle::bsCross;

    leftBox_ = &leftBox;
    leftCanvas_ = &leftBox.BitmapCanvas();
    leftCanvas_->Brush() = {clBlack, TBrushStyle::bsSolid};

    titleBox_ = &titleBox;
    unitImages_ = &unitImages;
    fieldBox.OnTimer = Bind(&TGame::Tick, this);

    hiScoreLabel_ = &hiScoreLabel;
    scoreLabel_ = &scoreLabel;
    levelLabel_ = &levelLabel;
    SetHiScore(0);

    shipExplosion_ = &shipExplosion;
    enemyExplosion_ = &enemyExplosion;
    laser_ = &laser;
    grid_ = std::make_unique<TField>();
    ship_ = std::make_unique<TMyShip>(random_);
    enemy_ = std::make_unique<TEnemy>(random_, *this);
    ship_->Setup(*grid_, *fieldCanvas_, unitImages, *enemy_, shipExplosion, &laser);
    enemy_->Setup(*grid_, *fieldCanvas_, unitImages, *ship_, enemyExplosion, nullptr);

    SetShipsLeft(0);
    SetLevel(0);
    SetSpeed(kNormalSpeed);
    random_.SeedFromClock();
}

void TGame::LoadSettings(const TAutoIniFile& ini) {
    SetSpeed(ini.ReadInteger(kIniSection, kSpeedKey, kNormalSpeed));
    const bool sound = ini.ReadBool(kIniSection, kSoundKey, true);
    const bool laserSound = ini.ReadBool(kIniSection, kLaserSoundKey, true);
    SetSound(sound, laserSound);
}

void TGame::SaveSettings(TAutoIniFile& ini) const {
    ini.WriteInteger(kIniSection, kSpeedKey, GetSpeed());
    ini.WriteBool(kIniSection, kSoundKey, sound_);
    ini.WriteBool(kIniSection, kLaserSoundKey, laserSound_);
}

// Runs on every delivered tick, whatever the state: the timer only runs
// while playing, and a late tick is harmless.
void TGame::Tick(TObject*) {
    ship_->Erase();
    enemy_->Erase();
    ship_->Move();
    enemy_->Move();
    ship_->Draw();
    enemy_->Draw();
    CheckShipLost();
}

void TGame::CheckShipLost() {
    if (ship_->State() != usGone)
        return;
    if (shipsLeft_ > 0) {
        SetShipsLeft(shipsLeft_ - 1);
        NewLife();
    } else {
        GameOver();
    }
}

void TGame::NewLife() {
    laser_->Stop();
    ClearField();
    ship_->Reset();
    enemy_->Reset();
    fieldBox_->Invalidate();
}

void TGame::ClearField() {
    grid_->Clear();
    fieldCanvas_->Brush() = {clBlack, TBrushStyle::bsSolid};
    fieldCanvas_->FillRect(TField::kFieldRect);
    fieldBox_->Invalidate();
}

void TGame::Clear() {
    ClearField();
    SetShipsLeft(0);
    fieldBox_->Invalidate();
}

void TGame::Start() {
    SetState(gsPlaying);
    fieldBox_->SetTimerEnabled(true);
    NewGame();
}

void TGame::NewGame() {
    SetScore(0);
    SetLevel(0);
    killStep_ = 0;
    SetShipsLeft(2);
    NewLife();
}

void TGame::ToTitle() {
    const bool ended = state_ == gsPlaying || state_ == gsPaused;
    fieldBox_->SetTimerEnabled(false);
    Clear();
    SetState(gsTitle);
    if (ended && OnGameEnded)
        OnGameEnded(this);
}

void TGame::GameOver() {
    fieldBox_->SetTimerEnabled(false);
    SetState(gsGameOver);
    if (OnGameEnded)
        OnGameEnded(this);
}

void TGame::Pause() {
    if (state_ != gsPlaying)
        return;
    fieldBox_->SetTimerEnabled(false);
    SetState(gsPaused);
}

void TGame::Resume() {
    if (state_ != gsPaused)
        return;
    fieldBox_->SetTimerEnabled(true);
    SetState(gsPlaying);
}

void TGame::SetState(TGameState state) {
    state_ = state;
    if (!fieldBox_)
        return;
    if (state == gsPlaying)
        fieldBox_->OnPainted = nullptr;
    else
        fieldBox_->OnPainted = Bind(&TGame::PaintOverlay, this);
    if (state == gsTitle)
        DrawTitle();
    fieldBox_->Invalidate();
}

void TGame::DrawTitle() {
    const int width = 2 * titleBox_->Width();
    const int left = (fieldBox_->Width() - width) / 2;
    fieldCanvas_->StretchDraw({left, kTitleTop, left + width, kTitleTop + 2 * titleBox_->Height()},
                              titleBox_->Bitmap());
}

// Written on the screen canvas after the bitmap was copied, so the texts
// never reach the field bitmap.
void TGame::PaintOverlay(TObject*) {
    TCanvas& screen = fieldBox_->Canvas();
    if (state_ == gsGameOver)
        WriteCentred(screen, "GAME OVER", clRed, 2);
    else if (state_ == gsPaused)
        WriteCentred(screen, "PAUSE", clWhite, 2);
    if (state_ == gsTitle || state_ == gsGameOver)
        WriteCentred(screen, "PUSH SPACE", clWhite, 3);
}

void TGame::WriteCentred(TCanvas& canvas, const std::string& text, TColor color, int quarters) {
    canvas.Font().SetColor(color);
    const TSize extent = canvas.TextExtent(text);
    const int x = (fieldBox_->Width() - extent.cx) / 2;
    const int y = (fieldBox_->Height() - extent.cy) * quarters / 4;
    canvas.TextOut(x, y, text);
}

void TGame::EnemyDestroyed() {
    SetScore(std::min(score_ + (level_ + 1) * 10, kMaxScore));
    if (++killStep_ == kKillsPerLevel) {
        killStep_ = 0;
        SetLevel(level_ + 1);
    }
}

void TGame::SetScore(int value) {
    score_ = value;
    scoreLabel_->SetCaption(FormatNumber(value));
    if (value > hiScore_)
        SetHiScore(value);
}

void TGame::SetHiScore(int value) {
    hiScore_ = value;
    hiScoreLabel_->SetCaption(FormatNumber(value));
}

void TGame::SetLevel(int value) {
    level_ = value;
    levelLabel_->SetCaption(FormatNumber(value));
}

void TGame::SetShipsLeft(int count) {
    shipsLeft_ = count;
    const int width = leftBox_->Width();
    leftCanvas_->FillRect({0, 0, width, leftBox_->Height()});
    for (int i = 1; i <= count; ++i)
        unitImages_->Draw(*leftCanvas_, width - kIconStep * (i + 1), 0, kShipPicture);
    leftBox_->Invalidate();
}

void TGame::SetFire(bool fire) {
    ship_->SetFire(fire);
}

void TGame::TurnShip() {
    ship_->Turn();
}

void TGame::GetSound(bool& sound, bool& laserSound) const {
    sound = sound_;
    laserSound = laserSound_;
}

void TGame::SetSound(bool sound, bool laserSound) {
    sound_ = sound;
    laserSound_ = laserSound;
    shipExplosion_->SetEnabled(sound);
    enemyExplosion_->SetEnabled(sound);
    laser_->SetEnabled(sound && laserSound);
}

int TGame::GetSpeed() const {
    return fieldBox_->Interval();
}

void TGame::SetSpeed(int milliseconds) {
    fieldBox_->SetInterval(milliseconds);
}

} // namespace orv
