#pragma once

#include <cstdint>

namespace orv {

// What the player can ask of the game, whichever input asks it: a key, a
// menu item, a game controller, or the desktop taking the player away.
enum TGameCommand : std::uint8_t {
    gcNone,
    gcFireOn,
    gcFireOff,
    gcTurn,
    gcGiveUp,
    // From the title or game-over screen only.
    gcStart,
    // Pauses a running game, resumes a paused one.
    gcPauseResume,
    // Start where a game can start, otherwise pause or resume: one button
    // for both.
    gcStartPauseResume,
    // The player left: a running game pauses as gcPauseResume would, and
    // the fire goes off in any state, since the fire key's release went to
    // another program. Nothing else changes.
    gcLeave,
};

// Carries a command out on the program's game (`Game`); nothing without one.
void RunGameCommand(TGameCommand command);

} // namespace orv
