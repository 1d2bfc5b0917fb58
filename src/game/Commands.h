// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace orv {

// Everything the player can ask of the program, whichever input asks it: a
// key, a menu item, a game controller, or the desktop taking the player away.
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
    // Back to the title screen from any state; a running game is dropped.
    gcTitle,
    // The tick periods of the speed menu.
    gcFastSpeed,
    gcNormalSpeed,
    gcSlowSpeed,
    // The high score becomes 0; the score of a running game stays.
    gcClearHiScore,
    // A dialog takes the game: the fire goes off and a running game pauses,
    // as when the player leaves.
    gcHold,
    // Resumes a paused game; nothing in any other state.
    gcResume,

    // The main window's own commands: each opens a dialog, the manual or
    // ends the program, so RunGameCommand leaves them to the window.
    gcAskClearHiScore,
    gcGameConfig,
    gcSysConfig,
    gcAbout,
    gcManual,
    gcQuit,
};

constexpr bool IsWindowCommand(TGameCommand command) {
    return command >= gcAskClearHiScore;
}

// Carries a command out on the program's game (`Game`); nothing without one
// and for the window's own commands. True when the game's state changed (a
// hold that paused a running game, for one).
bool RunGameCommand(TGameCommand command);

} // namespace orv
