// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UUnit.h"

#include "PMisc.h"
#include "Random.h"
#include "UGame.h"
#include "components/media/WavePlay.h"
#include "framework/drawing/Canvas.h"
#include "framework/drawing/ImageList.h"

namespace orv {
namespace {

constexpr int kCell = TField::kCellSize;
constexpr int kLast = TField::kCells - 1;
// Far enough to reach past any edge of the field from any cell.
constexpr int kBeamReach = TField::kCells * kCell;

bool OnGrid(TPoint p) {
    return p.X >= 0 && p.X <= kLast && p.Y >= 0 && p.Y <= kLast;
}

int Wrap(int v) {
    if (v < 0)
        return kLast;
    if (v > kLast)
        return 0;
    return v;
}

int StepTo(int from, int to) {
    if (from > to)
        return from - 1;
    if (from < to)
        return from + 1;
    return from;
}

} // namespace

// ---- TGameUnit --------------------------------------------------------------

void TGameUnit::Setup(TField& grid, TCanvas& canvas, const TImageList& images, TGameUnit&,
                      TWavePlayer& explosionSound, TWavePlayer*) {
    canvas_ = &canvas;
    images_ = &images;
    grid_ = &grid;
    explosionSound_ = &explosionSound;
}

void TGameUnit::DrawPicture(int x, int y, int picture) {
    images_->Draw(*canvas_, x * kCell, y * kCell, picture);
}

void TGameUnit::Draw() {
    switch (state_) {
    case usAlive:
    case usStruck:
        DrawPicture(position_.X, position_.Y, picture_);
        break;
    case usExploding:
        if (explosionCounter_ == 0)
            DrawPicture(position_.X, position_.Y, kSmallBurstPicture);
        else
            DrawPicture(position_.X, position_.Y,
                        explosionCounter_ % 2 ? kBurstOddPicture : kBurstEvenPicture);
        break;
    case usGone:
        break;
    }
}

// Relies on the solid black brush the game leaves on the field canvas.
void TGameUnit::Erase() {
    const int left = position_.X * kCell;
    const int top = position_.Y * kCell;
    canvas_->FillRect({left, top, left + kCell, top + kCell});
}

void TGameUnit::StartExplosion() {
    state_ = usExploding;
    explosionCounter_ = 0;
    explosionSound_->Play();
}

void TGameUnit::AdvanceExplosion() {
    if (explosionCounter_ == explosionLength_)
        state_ = usGone;
    else
        ++explosionCounter_;
}

// ---- TMyShip ----------------------------------------------------------------

void TMyShip::Setup(TField& grid, TCanvas& canvas, const TImageList& images, TGameUnit& other,
                    TWavePlayer& explosionSound, TWavePlayer* laserSound) {
    TGameUnit::Setup(grid, canvas, images, other, explosionSound, laserSound);
    picture_ = kShipPicture;
    explosionLength_ = 10;
    fire_ = false;
    enemy_ = &other;
    laserSound_ = laserSound;
}

// The explosion counter is left alone: the next explosion zeroes it.
void TMyShip::Reset() {
    state_ = usAlive;
    position_ = {TField::kCells / 2, TField::kCells / 2};
    moveDirection_ = 4;
    laserDirection_ = 0;
    Draw();
}

void TMyShip::Draw() {
    TGameUnit::Draw();
    DrawLaser();
}

void TMyShip::Erase() {
    TGameUnit::Erase();
    Grid().SetCell(position_.X, position_.Y, ccEmpty);
    EraseLaser();
}

void TMyShip::Turn() {
    if (state_ == usAlive)
        moveDirection_ = 1 + Random().Integer(8);
}

void TMyShip::Move() {
    ClearBeam();
    // The ship drifts on in every state, exploding or gone included.
    const TPoint next = PointAdd(position_, kDirections[static_cast<std::size_t>(moveDirection_)]);
    position_ = {Wrap(next.X), Wrap(next.Y)};
    const std::uint8_t cell = Grid().GetCell(position_.X, position_.Y);
    switch (state_) {
    case usAlive:
        if (cell == ccMine)
            Hit();
        else if (fire_)
            FireBeam();
        // Also after a mine hit: the mine is used up.
        Grid().SetCell(position_.X, position_.Y, ccShip);
        break;
    case usStruck:
        StartExplosion();
        break;
    case usExploding:
        AdvanceExplosion();
        break;
    case usGone:
        break;
    }
}

// Only the beam's own cells: a mine the enemy dropped on the beam after it
// was fired stays, as its picture on the field does.
void TMyShip::ClearBeam() {
    if (laserDirection_ <= 0)
        return;
    const TPoint step = kDirections[static_cast<std::size_t>(laserDirection_)];
    for (TPoint p = PointAdd(position_, step); OnGrid(p); p = PointAdd(p, step))
        if (Grid().GetCell(p.X, p.Y) == ccLaser)
            Grid().SetCell(p.X, p.Y, ccEmpty);
    laserDirection_ = 0;
}

// The beam stops at the edge of the field; it never wraps.
void TMyShip::FireBeam() {
    laserDirection_ = 1 + Random().Integer(4);
    const TPoint step = kDirections[static_cast<std::size_t>(laserDirection_)];
    for (TPoint p = PointAdd(position_, step); OnGrid(p); p = PointAdd(p, step)) {
        if (Grid().GetCell(p.X, p.Y) == ccMine)
            DrawPicture(p.X, p.Y, kSmallBurstPicture);
        Grid().SetCell(p.X, p.Y, ccLaser);
    }
}

void TMyShip::DrawLaser() {
    if (laserDirection_ <= 0)
        return;
    // One sound plays at a time; the laser must not cut the enemy's
    // explosion short.
    if (enemy_->State() != usExploding && laserSound_)
        laserSound_->Play();
    const TPoint step = kDirections[static_cast<std::size_t>(laserDirection_)];
    TCanvas& canvas = Canvas();
    canvas.Pen().Color = clYellow;
    canvas.Pen().Width = 1;
    const int x = position_.X * kCell + kCell / 2;
    const int y = position_.Y * kCell + kCell / 2;
    canvas.MoveTo(x, y);
    canvas.LineTo(x + step.X * kBeamReach, y + step.Y * kBeamReach);
}

// Blacks out the strip from the ship's cell to the edge, taking the line
// and any burst pictures on it.
void TMyShip::EraseLaser() {
    if (laserDirection_ <= 0)
        return;
    const TPoint step = kDirections[static_cast<std::size_t>(laserDirection_)];
    TCanvas& canvas = Canvas();
    canvas.Pen().Color = clBlack;
    canvas.Brush() = {clBlack, TBrushStyle::bsSolid};
    const int left = position_.X * kCell;
    const int top = position_.Y * kCell;
    canvas.FillRect(NormalizedRect(left, top, left + kCell + step.X * kBeamReach,
                                   top + kCell + step.Y * kBeamReach));
}

// ---- TEnemy -----------------------------------------------------------------

void TEnemy::Setup(TField& grid, TCanvas& canvas, const TImageList& images, TGameUnit& other,
                   TWavePlayer& explosionSound, TWavePlayer* laserSound) {
    TGameUnit::Setup(grid, canvas, images, other, explosionSound, laserSound);
    picture_ = kEnemyPicture;
    explosionLength_ = 1;
    ship_ = &other;
}

void TEnemy::Reset() {
    state_ = usAlive;
    const int level = game_.Level();
    mineChance_ = static_cast<float>(level % 10) / 10.0f;
    chaseThreshold_ = static_cast<float>(Random().Real() * level / 30.0);
    PlaceAwayFromShip();
    Draw();
}

void TEnemy::PlaceAwayFromShip() {
    do {
        position_.X = Random().Integer(TField::kCells);
        position_.Y = Random().Integer(TField::kCells);
    } while (ManhattanDistance(position_, ship_->Position()) <= 10);
}

void TEnemy::Hit() {
    TGameUnit::Hit();
    game_.EnemyDestroyed();
}

void TEnemy::Erase() {
    TGameUnit::Erase();
    if (state_ == usAlive && Random().Real() < mineChance_)
        DropMine();
}

void TEnemy::DropMine() {
    Grid().SetCell(position_.X, position_.Y, ccMine);
    DrawPicture(position_.X, position_.Y, kMinePicture);
}

TPoint TEnemy::ChooseTarget() {
    if (ship_->State() == usAlive && Random().Real() > chaseThreshold_)
        return ship_->Position();
    const int x = Random().Integer(TField::kCells);
    const int y = Random().Integer(TField::kCells);
    return {x, y};
}

// Mines are crossed unharmed; only the ship and the beam matter.
void TEnemy::StepToward(TPoint target) {
    position_ = {StepTo(position_.X, target.X), StepTo(position_.Y, target.Y)};
    const std::uint8_t cell = Grid().GetCell(position_.X, position_.Y);
    if (cell == ccShip)
        ship_->Hit();
    else if (cell == ccLaser)
        Hit();
}

void TEnemy::Move() {
    // Drawn in every state, so the generator advances the same way.
    const TPoint target = ChooseTarget();
    switch (state_) {
    case usAlive:
        StepToward(target);
        break;
    case usStruck:
        StartExplosion();
        break;
    case usExploding:
        AdvanceExplosion();
        break;
    case usGone:
        Reset();
        break;
    }
}

} // namespace orv
