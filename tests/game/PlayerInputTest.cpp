// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MainWindowFixture.h"
#include "ModalHook.h"
#include "framework/app/Application.h"
#include "framework/app/Keys.h"
#include "framework/controls/Menus.h"
#include "game/UGame.h"
#include "game/UUnit.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ModalAnswer;

class PlayerInput : public test::MainWindowFixture {
protected:
    void Press(TControllerButton button, bool down = true) {
        fakes.controllers.Press(button, down);
    }
    bool Firing() const { return Game->Ship()->Fire(); }
    void Key(int key, bool down = true) {
        if (down)
            form->FormKeyDown(form.get(), key, 0);
        else
            form->FormKeyUp(form.get(), key, 0);
    }
};

TEST(KeyBindings, TheDefaultsBindNoKeyTwice) {
    const TKeyBindings keys = DefaultKeyBindings();
    for (std::size_t i = 0; i < keys.size(); ++i)
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            EXPECT_NE(keys[i].key, keys[j].key) << "rows " << i << " and " << j;
}

// One table makes both the window's keys and the menu's shortcuts: a key moved
// in it moves everywhere, the old key gives nothing.
TEST_F(PlayerInput, RebindingMovesBothTheKeysAndTheShortcuts) {
    Open();
    TKeyBindings keys = form->KeyBindings();
    for (TKeyBinding& binding : keys) {
        if (binding.down == gcFireOn && binding.key == 'Z')
            binding.key = 'A';
        if (binding.down == gcTitle)
            binding.key = ShortCut('R', ssCtrl);
    }
    form->SetKeyBindings(keys);
    EXPECT_EQ(form->TitleItem->ShortCut(), ShortCut('R', ssCtrl));
    EXPECT_EQ(form->StartItem->ShortCut(), VK_SPACE) << "an unchanged binding moved";

    form->StartItem->Click();
    Key('Z');
    EXPECT_FALSE(Firing()) << "the old key still fires";
    Key('A');
    EXPECT_TRUE(Firing());
    Key('A', false);
    EXPECT_FALSE(Firing());

    // A window's own command on a plain key runs as its menu item would.
    keys.push_back({'M', gcAbout});
    form->SetKeyBindings(keys);
    ModalAnswer answer([](TForm& dialog) { dialog.Close(); });
    Key('M');
    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(Game->State(), gsPlaying) << "the game did not resume after the about box";
}

TEST_F(PlayerInput, AControllerPlaysLikeTheKeys) {
    Open();
    ASSERT_EQ(Application().ActiveForm(), form.get());
    // Start begins a game from the title, then pauses and resumes it.
    Press(cbStart);
    ASSERT_EQ(Game->State(), gsPlaying);
    Press(cbStart, false);
    Press(cbStart);
    EXPECT_EQ(Game->State(), gsPaused);
    EXPECT_FALSE(form->GameImageBox->TimerEnabled());
    Press(cbStart);
    EXPECT_EQ(Game->State(), gsPlaying);

    // Either fire input fires while held.
    for (const TControllerButton fire : {cbSouth, cbRightTrigger}) {
        Press(fire);
        EXPECT_TRUE(Firing()) << fire;
        Press(fire, false);
        EXPECT_FALSE(Firing()) << fire;
    }

    const auto direction = Game->Ship()->MoveDirection();
    int changed = 0;
    for (int i = 0; i < 20; ++i) {
        Press(cbEast);
        changed += Game->Ship()->MoveDirection() != direction;
    }
    EXPECT_GT(changed, 0) << "the east button never turned the ship";

    Press(cbBack);
    EXPECT_EQ(Game->State(), gsGameOver);
    Press(cbStart);
    EXPECT_EQ(Game->State(), gsPlaying) << "Start begins again after a game over";
}

TEST_F(PlayerInput, TheControllerIsIgnoredUnderADialog) {
    Open();
    form->StartItem->Click();
    ModalAnswer answer([&](TForm& dialog) {
        Press(cbStart);
        Press(cbSouth);
        dialog.Close();
    });
    form->AboutItem->Click();
    EXPECT_EQ(answer.shown, 1);
    EXPECT_EQ(Game->State(), gsPlaying);
    EXPECT_FALSE(Firing());
}

TEST_F(PlayerInput, LeavingPausesARunningGameOnly) {
    const std::function<void()> leaves[] = {
        [] { Application().OnMinimize(&Application()); },
        [] {
            Application().ActivationChanged(true);
            Application().ActivationChanged(false);
            Application().SettleDeactivation();
        },
    };
    Open();
    for (const auto& leave : leaves) {
        form->StartItem->Click();
        int key = 'Z';
        form->FormKeyDown(form.get(), key, 0);
        leave();
        EXPECT_EQ(Game->State(), gsPaused);
        EXPECT_FALSE(form->GameImageBox->TimerEnabled());
        EXPECT_FALSE(Firing()) << "the fire key's release went to another program";
        form->FormKeyDown(form.get(), key, 0);
        leave();
        EXPECT_EQ(Game->State(), gsPaused) << "leaving again resumed the game";
        EXPECT_FALSE(Firing()) << "a paused game kept the fire of a key released elsewhere";
        Game->GameOver();
        leave();
        EXPECT_EQ(Game->State(), gsGameOver);
        Game->ToTitle();
        leave();
        EXPECT_EQ(Game->State(), gsTitle);
    }
}

TEST_F(PlayerInput, FocusPassingToADialogIsNotLeaving) {
    Open();
    form->StartItem->Click();
    Application().ActivationChanged(true);
    ModalAnswer answer([](TForm& dialog) {
        // The moment between the windows, then the dialog has the focus.
        Application().ActivationChanged(false);
        Application().ActivationChanged(true);
        dialog.Close();
    });
    form->AboutItem->Click();
    Application().ActivationChanged(false);
    Application().ActivationChanged(true);
    EXPECT_FALSE(Application().DeactivationPending());
    Application().SettleDeactivation();
    EXPECT_EQ(Game->State(), gsPlaying);
}

} // namespace
} // namespace orv
