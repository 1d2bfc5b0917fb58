#include "MainWindowFixture.h"
#include "ModalHook.h"
#include "framework/Application.h"
#include "framework/Menus.h"
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
};

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
