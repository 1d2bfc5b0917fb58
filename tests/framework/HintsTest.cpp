// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/app/Hints.h"
#include "framework/app/Application.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Label.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace orv {
namespace {

using TStep = THintManager::TStep;

// A form with a panel holding a button and a label; only the panel is told
// to show hints, the others take it from their parents.
class Hints : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {hints.ShowHint(), hints.HintPause(), hints.HintHidePause()};
        hints.SetShowHint(true);
        hints.SetHintPause(500);
        hints.SetHintHidePause(2500);
        panel->SetParent(&form);
        panel->SetBounds(0, 0, 200, 100);
        button->SetParent(panel);
        button->SetBounds(10, 10, 80, 25);
        label->SetParent(panel);
        label->SetBounds(10, 50, 80, 20);
        panel->SetHint("the panel");
        button->SetHint("the button|and more");
        panel->SetShowHint(true);
    }
    void TearDown() override {
        hints.CancelHint();
        hints.SetShowHint(saved_.show);
        hints.SetHintPause(saved_.pause);
        hints.SetHintHidePause(saved_.hidePause);
    }

    THintManager& hints = Application().Hints();
    TForm form{nullptr};
    TPanel* panel = new TPanel(&form);
    TButton* button = new TButton(&form);
    TLabel* label = new TLabel(&form);

private:
    struct {
        bool show;
        int pause, hidePause;
    } saved_{};
};

TEST_F(Hints, ParentsDecideWhichControlShowsWhichHint) {
    EXPECT_FALSE(form.ShowHint());
    EXPECT_EQ(HintControlOf(button), button) << "ShowHint was not taken from the parent";
    EXPECT_EQ(HintTextOf(*button), "the button");
    EXPECT_EQ(HintTextOf(*label), "the panel");
    button->SetShowHint(false);
    panel->SetShowHint(false);
    panel->SetShowHint(true);
    EXPECT_EQ(HintControlOf(button), panel) << "a control with its own setting followed";
    button->SetParentShowHint(true);
    EXPECT_TRUE(button->ShowHint());
    auto* late = new TLabel(&form);
    late->SetParent(panel);
    EXPECT_TRUE(late->ShowHint());
    panel->SetShowHint(false);
    EXPECT_EQ(HintControlOf(late), nullptr);
}

TEST_F(Hints, WaitsThenShowsThenHidesWithTheApplicationsTimes) {
    hints.SetHintPause(700);
    hints.SetHintHidePause(1800);
    hints.MouseOver(button, {40, 60});
    EXPECT_EQ(hints.HintControl(), button);
    EXPECT_EQ(hints.PendingStep(), TStep::stShow);
    EXPECT_EQ(hints.PendingDelay(), 700);
    EXPECT_FALSE(hints.HintShowing());

    hints.RunPendingStep();
    EXPECT_TRUE(hints.HintShowing());
    EXPECT_EQ(hints.HintText(), "the button");
    EXPECT_EQ(hints.PendingStep(), TStep::stHide);
    EXPECT_EQ(hints.PendingDelay(), 1800);
    // Below the mouse, clear of the cursor.
    EXPECT_EQ(hints.HintBounds().Left, 40);
    EXPECT_GT(hints.HintBounds().Top, 60);

    // Moving on the same control neither restarts nor hides anything.
    hints.MouseOver(button, {45, 62});
    EXPECT_EQ(hints.PendingStep(), TStep::stHide);
    hints.RunPendingStep();
    EXPECT_FALSE(hints.HintShowing());
    hints.MouseOver(button, {46, 62});
    EXPECT_EQ(hints.PendingStep(), TStep::stNone) << "the hint came back without leaving";

    // Another control starts a wait of its own.
    hints.MouseOver(label, {20, 70});
    EXPECT_EQ(hints.HintControl(), label);
    EXPECT_EQ(hints.PendingStep(), TStep::stShow);
    hints.RunPendingStep();
    EXPECT_EQ(hints.HintText(), "the panel");
    // Leaving for a place without hints takes it away at once.
    hints.MouseOver(&form, {250, 150});
    EXPECT_FALSE(hints.HintShowing());
    EXPECT_EQ(hints.PendingStep(), TStep::stNone);
}

TEST_F(Hints, TheSwitchOffShowsNothingAnywhere) {
    hints.MouseOver(button, {40, 60});
    hints.RunPendingStep();
    ASSERT_TRUE(hints.HintShowing());
    Application().SetShowHint(false);
    EXPECT_FALSE(hints.HintShowing());
    hints.MouseOver(label, {40, 60});
    EXPECT_EQ(hints.PendingStep(), TStep::stNone);
    // A wait that started before the switch went off shows nothing either.
    hints.SetShowHint(true);
    hints.MouseOver(button, {40, 60});
    Application().SetShowHint(false);
    hints.RunPendingStep();
    EXPECT_FALSE(hints.HintShowing());
}

TEST_F(Hints, AControlDestroyedDuringTheWaitShowsNothing) {
    hints.MouseOver(button, {40, 60});
    delete button;
    EXPECT_EQ(hints.HintControl(), nullptr);
    hints.RunPendingStep();
    EXPECT_FALSE(hints.HintShowing());
}

TEST_F(Hints, QtsMouseEventsDriveTheManagerAndItsToolTipsNeverShow) {
    form.Show();
    QWidget* buttonWidget = button->Peer();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(105, 205));
    QCoreApplication::sendEvent(buttonWidget, &enter);
    EXPECT_EQ(hints.HintControl(), button);
    EXPECT_EQ(hints.PendingStep(), TStep::stShow);
    // The hint comes up below where the mouse rests, not where it came in.
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 9), QPointF(30, 9), QPointF(130, 209),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(buttonWidget, &move);
    hints.RunPendingStep();
    EXPECT_EQ(hints.HintBounds().Left, 130);
    EXPECT_GT(hints.HintBounds().Top, 209);
    hints.CancelHint();
    QCoreApplication::sendEvent(buttonWidget, &enter);

    // Back out onto the panel: its hint is the one that waits now.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(buttonWidget, &leave);
    EXPECT_EQ(hints.HintControl(), panel);

    // The window losing the focus as a dialog comes up keeps the wait.
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(form.Peer(), &deactivate);
    EXPECT_EQ(hints.PendingStep(), TStep::stShow);
    hints.RunPendingStep();
    ASSERT_TRUE(hints.HintShowing());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(panel->Peer(), &key);
    EXPECT_FALSE(hints.HintShowing()) << "a key press left the hint up";

    buttonWidget->setToolTip("Qt's own");
    QHelpEvent toolTip(QEvent::ToolTip, QPoint(5, 5), QPoint(105, 205));
    QCoreApplication::sendEvent(buttonWidget, &toolTip);
    EXPECT_FALSE(QToolTip::isVisible());
    form.Hide();
    EXPECT_EQ(hints.HintControl(), nullptr) << "a hidden window kept its hint";
}

} // namespace
} // namespace orv
