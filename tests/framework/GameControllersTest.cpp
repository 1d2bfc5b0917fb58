// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/services/GameControllers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

// Raw reports of two controllers and the presses and releases they give.
TEST(ControllerButtons, ReportsEachChangeOnceAndReleasesWhatAGoneControllerHeld) {
    TControllerButtons buttons;
    std::string seen;
    buttons.OnButton = [&](TControllerButton button, bool down) {
        seen += (down ? "+" : "-") + std::to_string(button) + " ";
    };
    struct Step {
        void (*report)(TControllerButtons&);
        const char* gives;
    };
    const Step steps[] = {
        {[](TControllerButtons& b) { b.Button(1, cbSouth, true); }, "+0 "},
        {[](TControllerButtons& b) { b.Button(1, cbSouth, true); }, ""},
        // The other controller's south button is its own.
        {[](TControllerButtons& b) { b.Button(2, cbSouth, true); }, "+0 "},
        {[](TControllerButtons& b) { b.Button(2, cbSouth, false); }, "-0 "},
        {[](TControllerButtons& b) { b.Button(2, cbSouth, false); }, ""},
        {[](TControllerButtons& b) { b.Trigger(1, TControllerButtons::kTriggerMax / 2 - 1); }, ""},
        {[](TControllerButtons& b) { b.Trigger(1, TControllerButtons::kTriggerMax / 2); }, "+6 "},
        // Between a quarter and a half the trigger stays as it was.
        {[](TControllerButtons& b) { b.Trigger(1, TControllerButtons::kTriggerMax / 4); }, ""},
        {[](TControllerButtons& b) { b.Trigger(1, TControllerButtons::kTriggerMax); }, ""},
        {[](TControllerButtons& b) { b.Button(1, cbStart, true); }, "+5 "},
        {[](TControllerButtons& b) { b.Removed(1); }, "-0 -5 -6 "},
        {[](TControllerButtons& b) { b.Removed(1); }, ""},
        {[](TControllerButtons& b) { b.Trigger(2, TControllerButtons::kTriggerMax / 4 - 1); }, ""},
    };
    int index = 0;
    for (const Step& step : steps) {
        seen.clear();
        step.report(buttons);
        EXPECT_EQ(seen, step.gives) << "step " << index;
        ++index;
    }
}

} // namespace
} // namespace orv
