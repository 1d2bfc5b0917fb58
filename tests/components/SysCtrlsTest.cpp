// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components/windows/SysCtrls.h"
#include "EventLoop.h"
#include "Fakes.h"
#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

TEST(AnimateForm, RefusesAnOwnerThatIsNotTheMainForm) {
    test::FakeServices fakes;
    test::DeliverPosted(); // dialogs of earlier tests are released
    ASSERT_EQ(Application().MainForm(), nullptr) << "another test left a form alive";
    const auto messageOf = [](TComponent* owner) {
        try {
            new TAnimateForm(owner);
        } catch (const EAnimateFormError& error) {
            return std::string(error.what());
        }
        return std::string("<nothing raised>");
    };
    TComponent plain(nullptr);
    EXPECT_EQ(messageOf(&plain), "Owner must be a form");
    EXPECT_EQ(messageOf(nullptr), "Owner must be a form");
    TForm main(nullptr);
    TForm later(nullptr);
    EXPECT_EQ(messageOf(&later), "AnimateForm must be placed in a main form");
    EXPECT_EQ(later.ComponentCount(), 0) << "the refused component stayed with its owner";
    later.SetWindowState(TWindowState::wsMinimized);
    EXPECT_TRUE(fakes.sound.events.empty()) << "a refused component still filters";
    new TAnimateForm(&main);
    EXPECT_EQ(main.ComponentCount(), 1);
}

TEST(AnimateForm, SoundsAndNotifiesOncePerMinimiseAndRestore) {
    test::FakeServices fakes;
    test::DeliverPosted();
    TForm main(nullptr);
    main.SetCaption("ORBIT RAVEN");
    int formHandlerCalls = 0;
    main.OnWindowStateChange.Add([&](TObject*) { ++formHandlerCalls; });
    auto* animate = new TAnimateForm(&main);
    int minimizes = 0;
    Application().OnMinimize = [&](TObject* sender) {
        EXPECT_EQ(sender, &Application());
        ++minimizes;
    };
    const std::string title = Application().Title();
    main.Show();

    main.SetWindowState(TWindowState::wsMinimized);
    EXPECT_EQ(fakes.sound.events, (std::vector<std::string>{"Minimize"}));
    EXPECT_EQ(minimizes, 1);
    EXPECT_EQ(Application().Title(), title);
    // The desktop reporting the same state again is no second minimise.
    main.OnWindowStateChange(&main);
    EXPECT_EQ(minimizes, 1);

    main.SetWindowState(TWindowState::wsNormal);
    main.SetWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(fakes.sound.events, (std::vector<std::string>{"Minimize", "RestoreUp"}))
        << "maximising a shown window is no restore";
    main.SetWindowState(TWindowState::wsMinimized);
    EXPECT_EQ(minimizes, 2);
    EXPECT_EQ(formHandlerCalls, 5) << "the form's own handler was not called after ours";

    delete animate;
    main.SetWindowState(TWindowState::wsNormal);
    EXPECT_EQ(fakes.sound.events.size(), 3u) << "still filtering after destruction";
    EXPECT_EQ(formHandlerCalls, 6) << "the form's own handler was not given back";
    Application().OnMinimize = nullptr;
}

// Two on the main form, the first made going first: the second still hears
// of the window's state.
TEST(AnimateForm, TheFirstGoingFirstLeavesTheSecondInPlace) {
    test::FakeServices fakes;
    test::DeliverPosted();
    TForm main(nullptr);
    auto* first = new TAnimateForm(&main);
    new TAnimateForm(&main);
    delete first;
    main.Show();
    main.SetWindowState(TWindowState::wsMinimized);
    EXPECT_EQ(fakes.sound.events, (std::vector<std::string>{"Minimize"}));
}

TEST(AnimateForm, DesktopSoundNamesOfTheSystemEvents) {
    EXPECT_EQ(SoundEventId("Minimize"), "window-minimized");
    EXPECT_EQ(SoundEventId("RestoreUp"), "window-unminimized");
    EXPECT_EQ(SoundEventId("Maximize"), "");
}

} // namespace
} // namespace orv
