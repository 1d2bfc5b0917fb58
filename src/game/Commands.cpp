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

} // namespace

void RunGameCommand(TGameCommand command) {
    if (!Game)
        return;
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
        if (CanStart())
            Game->Start();
        else
            PauseResume();
        break;
    case gcLeave:
        Game->SetFire(false);
        Game->Pause();
        break;
    case gcNone:
        break;
    }
}

} // namespace orv
