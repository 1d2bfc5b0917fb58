// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Field.h"
#include "framework/app/Component.h"
#include "framework/core/Types.h"

#include <cstdint>

namespace orv {

class TCanvas;
class TGame;
class TImageList;
class TRandom;
class TWavePlayer;

enum TUnitState : std::uint8_t { usAlive, usStruck, usExploding, usGone };

// Indexes into the unit image list, in the order of bitmaps 100 to 105.
inline constexpr int kShipPicture = 0;
inline constexpr int kEnemyPicture = 1;
inline constexpr int kMinePicture = 2;
inline constexpr int kBurstEvenPicture = 3;
inline constexpr int kBurstOddPicture = 4;
inline constexpr int kSmallBurstPicture = 5;

// A moving object on the play grid: a cell position, a picture, and the life
// cycle alive -> struck -> exploding -> gone.
class TGameUnit : public TObject {
public:
    explicit TGameUnit(TRandom& random) : random_(random) {}

    virtual void Hit() { state_ = usStruck; }
    virtual void Setup(TField& grid, TCanvas& canvas, const TImageList& images, TGameUnit& other,
                       TWavePlayer& explosionSound, TWavePlayer* laserSound);
    virtual void Reset() = 0;
    virtual void Draw();
    virtual void Erase();

    // Draws a picture of the image list with its corner at cell (x, y).
    void DrawPicture(int x, int y, int picture);

    TUnitState State() const { return state_; }
    TPoint Position() const { return position_; }
    int ExplosionCounter() const { return explosionCounter_; }
    // For placing a unit outside the normal flow of the game (scenarios).
    void SetState(TUnitState state) { state_ = state; }
    void SetPosition(TPoint position) { position_ = position; }

protected:
    TRandom& Random() { return random_; }
    TField& Grid() { return *grid_; }
    TCanvas& Canvas() { return *canvas_; }
    void StartExplosion();
    // One tick of a running explosion; ends it at the explosion length.
    void AdvanceExplosion();

    int picture_ = kShipPicture;
    int explosionLength_ = 0;
    TPoint position_;
    TUnitState state_ = usAlive;

private:
    TRandom& random_;
    TCanvas* canvas_ = nullptr;
    const TImageList* images_ = nullptr;
    int explosionCounter_ = 0;
    TField* grid_ = nullptr;
    TWavePlayer* explosionSound_ = nullptr;
};

// The player's ship: always moving, wrapping at the edges, firing a beam in a
// random straight direction on every tick while fire is held.
class TMyShip : public TGameUnit {
public:
    using TGameUnit::TGameUnit;

    // other is the enemy; laserSound is required.
    void Setup(TField& grid, TCanvas& canvas, const TImageList& images, TGameUnit& other,
               TWavePlayer& explosionSound, TWavePlayer* laserSound) override;
    void Reset() override;
    void Draw() override;
    void Erase() override;

    void Move();
    void Turn();
    void DrawLaser();
    void EraseLaser();

    bool Fire() const { return fire_; }
    void SetFire(bool fire) { fire_ = fire; }
    int MoveDirection() const { return moveDirection_; }
    void SetMoveDirection(int direction) { moveDirection_ = direction; }
    // 0 while no beam is on the field, else 1 to 4.
    int LaserDirection() const { return laserDirection_; }

private:
    void ClearBeam();
    void FireBeam();

    int laserDirection_ = 0;
    int moveDirection_ = 4;
    const TGameUnit* enemy_ = nullptr;
    TWavePlayer* laserSound_ = nullptr;
    bool fire_ = false;
};

// The single enemy: chases the ship or wanders, drops mines, and respawns
// away from the ship after its explosion. Reads the level from its game and
// reports its destruction there.
class TEnemy : public TGameUnit {
public:
    TEnemy(TRandom& random, TGame& game) : TGameUnit(random), game_(game) {}

    void Hit() override;
    // other is the ship; laserSound is unused.
    void Setup(TField& grid, TCanvas& canvas, const TImageList& images, TGameUnit& other,
               TWavePlayer& explosionSound, TWavePlayer* laserSound) override;
    void Reset() override;
    void Erase() override;

    void Move();
    void DropMine();

    float ChaseThreshold() const { return chaseThreshold_; }
    float MineChance() const { return mineChance_; }

private:
    TPoint ChooseTarget();
    void StepToward(TPoint target);
    void PlaceAwayFromShip();

    TGame& game_;
    TGameUnit* ship_ = nullptr;
    float chaseThreshold_ = 0;
    float mineChance_ = 0;
};

} // namespace orv
