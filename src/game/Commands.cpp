// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Commands.h"

#include "UGame.h"

namespace orv {
namespace {

bool CanStart() {
    return Game->State() == gsTitle || Game->State() == gsGameOver;
}

void PauseResume() {
    if (Game->State() == gsPlaying)
        Game->Pause();
    else if (Game->State() == gsPaused)
        Game->Resume();
}

void StartPauseResume() {
    if (CanStart())
        Game->Start();
    else
        PauseResume();
}

void Run(TGameCommand command) {
    switch (command) {
    case gcFireOn:
        Game->SetFire(true);
        break;
    case gcFireOff:
        Game->SetFire(false);
        break;
    case gcTurn:
        Game->TurnShip();
        break;
    case gcGiveUp:
        Game->GameOver();
        break;
    case gcStart:
        if (CanStart())
            Game->Start();
        break;
    case gcPauseResume:
        PauseResume();
        break;
    case gcStartPauseResume:
        StartPauseResume();
        break;
    case gcLeave:
    case gcHold:
        Game->SetFire(false);
        Game->Pause();
        break;
    case gcResume:
        Game->Resume();
        break;
    case gcTitle:
        Game->ToTitle();
        break;
    case gcFastSpeed:
        Game->SetSpeed(TGame::kFastSpeed);
        break;
    case gcNormalSpeed:
        Game->SetSpeed(TGame::kNormalSpeed);
        break;
    case gcSlowSpeed:
        Game->SetSpeed(TGame::kSlowSpeed);
        break;
    case gcClearHiScore:
        Game->SetHiScore(0);
        break;
    default:
        break;
    }
}

} // namespace

bool RunGameCommand(TGameCommand command) {
    if (!Game)
        return false;
    const TGameState before = Game->State();
    Run(command);
    return Game->State() != before;
}

} // namespace orv
