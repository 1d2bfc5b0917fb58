// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayerInput.h"

#include "framework/app/Keys.h"

namespace orv {
namespace {

struct ButtonBinding {
    TControllerButton button;
    TGameCommand down;
    TGameCommand up;
};

constexpr ButtonBinding kButtons[] = {
    {cbSouth, gcFireOn, gcFireOff}, {cbRightTrigger, gcFireOn, gcFireOff},
    {cbEast, gcTurn, gcNone},       {cbStart, gcStartPauseResume, gcNone},
    {cbBack, gcGiveUp, gcNone},
};

} // namespace

TKeyBindings DefaultKeyBindings() {
    return {
        {VK_SPACE, gcStart, gcNone, krMenu},
        {VK_ESCAPE, gcPauseResume, gcNone, krMenu},
        {VK_F1, gcManual, gcNone, krMenu},
        {ShortCut('T', ssCtrl), gcTitle, gcNone, krMenu},
        {ShortCut('Q', ssCtrl), gcQuit, gcNone, krMenu},
        {'Z', gcFireOn, gcFireOff},
        {VK_OEM_PERIOD, gcFireOn, gcFireOff},
        {'X', gcTurn},
        {VK_OEM_COMMA, gcTurn},
        {'G', gcGiveUp},
    };
}

TGameCommand KeyCommand(const TKeyBindings& bindings, int key, bool down) {
    for (const TKeyBinding& binding : bindings)
        if (binding.route == krWindow && binding.key == key)
            return down ? binding.down : binding.up;
    return gcNone;
}

int MenuShortCut(const TKeyBindings& bindings, TGameCommand command) {
    for (const TKeyBinding& binding : bindings)
        if (binding.route == krMenu && binding.down == command)
            return binding.key;
    return 0;
}

TGameCommand ButtonCommand(TControllerButton button, bool down) {
    for (const ButtonBinding& binding : kButtons)
        if (binding.button == button)
            return down ? binding.down : binding.up;
    return gcNone;
}

} // namespace orv
