// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventLoop.h"
#include "Fakes.h"
#include "components/windows/WManager.h"
#include "components/windows/WinPos.h"
#include "framework/app/Application.h"
#include "framework/app/MessageWindow.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Label.h"
#include "framework/core/PeriodicTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace orv {
namespace {

// Forms the window manager attached as they were made; activations are
// raised by hand, as the framework raises them.
class CursorJumpTest : public ::testing::Test {
protected:
    void SetUp() override { test::DeliverPosted(); }

    std::unique_ptr<TForm> MakeForm(const std::string& caption, int left, int top) {
        auto form = std::make_unique<TForm>(nullptr);
        form->SetCaption(caption);
        form->SetBounds(left, top, 300, 200);
        form->Handle();
        return form;
    }
    // A dialog whose components are a label, then buttons A and B; B has
    // the focus when it shows.
    std::unique_ptr<TForm> MakeDialog() {
        auto dialog = MakeForm("設定", 500, 300);
        new TLabel(dialog.get());
        for (const int left : {10, 120}) {
            auto* button = new TButton(dialog.get());
            button->SetParent(dialog.get());
            button->SetBounds(left, 40, 75, 25);
        }
        dialog->SetActiveControl(Button(*dialog, 2));
        return dialog;
    }
    static TWinControl* Button(TForm& dialog, int index) {
        return dynamic_cast<TWinControl*>(dialog.Components()[static_cast<std::size_t>(index)]);
    }
    static TPoint Centre(const TWinControl& c) {
        return c.Parent()->ClientToScreen({c.Left() + c.Width() / 2, c.Top() + c.Height() / 2});
    }
    TWindowEntry& EntryOf(TForm& form) {
        return wm->Entry(wm->Slot(wm->HashLookup(form.Handle())).Entry);
    }
    void Activate(TForm& window, bool byMouse, TForm* previous) {
        Application().WindowHooks().RaiseActivating(window.Handle(), byMouse,
                                                    previous ? previous->Handle() : kNoWindow);
    }
    void CursorAt(TPoint screen) {
        fakes.cursor.pos = screen;
        fakes.cursor.moves.clear();
        fakes.sleeper.waits.clear();
        fakes.sleeper.movesBeforeWait.clear();
    }

    test::FakeServices fakes;
    std::unique_ptr<TWindowManager> wm = std::make_unique<TWindowManager>(nullptr);
};

std::vector<TPoint> Line(TPoint stride, int count) {
    std::vector<TPoint> points;
    for (int i = 1; i <= count; ++i)
        points.push_back({stride.X * i, stride.Y * i});
    return points;
}

struct GlideCase {
    const char* what;
    TPoint distance; // target minus start
    int step;
    int maxMoves;
    std::vector<TPoint> stops; // from the start, the target not included
};

TEST_F(CursorJumpTest, GlidesInBoundedStepsThenLandsOnTheTarget) {
    const GlideCase cases[] = {
        {"100 left and 30 above", {100, 30}, 20, 10, Line({20, 6}, 5)},
        {"1000 px: ten moves of 100", {1000, 0}, 20, 10, Line({100, 0}, 10)},
        {"20 px", {20, 0}, 20, 10, {{20, 0}}},
        {"39 px", {0, -39}, 20, 10, {{0, -39}}},
        {"50 px", {50, 10}, 20, 10, {{25, 5}, {50, 10}}},
        {"70 px, truncated toward zero", {-70, 0}, 20, 10, {{-23, 0}, {-46, 0}, {-70, 0}}},
        {"the longer axis counts", {-7, -50}, 20, 10, {{-3, -25}, {-7, -50}}},
        {"19 px: direct", {19, -19}, 20, 10, {}},
        {"step 0: direct", {100, 30}, 0, 10, {}},
        {"step below 0: direct", {100, 30}, -5, 10, {}},
        {"no moves allowed: direct", {100, 30}, 20, 0, {}},
        {"a file's bound over 100 stops at 100", {2500, 0}, 1, 100000, Line({25, 0}, 100)},
    };
    auto form = MakeForm("main", 100, 50);
    EntryOf(*form).JumpPoint = {40, 30};
    const TPoint target = form->ClientToScreen({40, 30});
    for (const GlideCase& c : cases) {
        SCOPED_TRACE(c.what);
        wm->CursorMoveStep = c.step;
        wm->CursorMaxMoves = c.maxMoves;
        const TPoint start{target.X - c.distance.X, target.Y - c.distance.Y};
        CursorAt(start);
        Activate(*form, false, nullptr);
        std::vector<TPoint> expected;
        std::vector<std::size_t> movesBeforeWait;
        for (const TPoint stop : c.stops) {
            expected.push_back({start.X + stop.X, start.Y + stop.Y});
            movesBeforeWait.push_back(expected.size());
        }
        expected.push_back(target);
        EXPECT_EQ(fakes.cursor.moves, expected);
        EXPECT_EQ(fakes.sleeper.movesBeforeWait, movesBeforeWait) << "a 10 ms wait after each stop";
        EXPECT_EQ(fakes.sleeper.waits, std::vector<int>(c.stops.size(), 10));
    }
}

TEST_F(CursorJumpTest, RemembersOnLeavingAndJumpsOnlyOnKeyboardActivation) {
    auto main = MakeForm("main", 100, 50);
    auto other = MakeForm("other", 500, 300);
    TWindowEntry& entry = EntryOf(*main);
    EXPECT_EQ(entry.JumpPoint, (TPoint{-1, 0}));
    CursorAt(other->ClientToScreen({5, 5}));
    Activate(*main, false, other.get());
    EXPECT_TRUE(fakes.cursor.moves.empty()) << "a window without a point yet";

    // Left by a click: remembered, but the clicked window gets no jump.
    EntryOf(*other).JumpPoint = {5, 5};
    CursorAt(main->ClientToScreen({40, 30}));
    Activate(*other, true, main.get());
    EXPECT_EQ(entry.JumpPoint, (TPoint{40, 30}));
    EXPECT_TRUE(fakes.cursor.moves.empty());

    // Right and bottom edges are outside the client area, left and top inside.
    const int w = main->ClientWidth(), h = main->ClientHeight();
    const struct {
        TPoint at;
        TPoint kept;
    } edges[] = {{{w, 10}, {40, 30}},
                 {{10, h}, {40, 30}},
                 {{-1, 10}, {40, 30}},
                 {{w - 1, h - 1}, {w - 1, h - 1}},
                 {{0, 0}, {0, 0}}};
    for (const auto& edge : edges) {
        CursorAt(main->ClientToScreen(edge.at));
        Activate(*other, true, main.get());
        EXPECT_EQ(entry.JumpPoint, edge.kept) << edge.at.X << "," << edge.at.Y;
    }

    // A button still held (a title bar being dragged): nothing moves.
    fakes.cursor.buttonHeld = true;
    CursorAt(other->ClientToScreen({7, 8}));
    Activate(*main, false, other.get());
    EXPECT_TRUE(fakes.cursor.moves.empty());
    fakes.cursor.buttonHeld = false;

    CursorAt(other->ClientToScreen({7, 8}));
    Activate(*main, false, other.get());
    EXPECT_EQ(EntryOf(*other).JumpPoint, (TPoint{7, 8}));
    EXPECT_EQ(fakes.cursor.moves.back(), main->ClientToScreen({0, 0}));

    entry.JumpPoint = {2000000000, 0}; // a hand-edited file
    CursorAt(other->ClientToScreen({7, 8}));
    Activate(*main, false, other.get());
    EXPECT_TRUE(fakes.cursor.moves.empty());
}

TEST_F(CursorJumpTest, SwitchedOffOrUnplaceableItNeitherRemembersNorMoves) {
    auto main = MakeForm("main", 100, 50);
    auto other = MakeForm("other", 500, 300);
    EntryOf(*main).JumpPoint = {40, 30};
    wm->JumpCursor = false;
    CursorAt(other->ClientToScreen({7, 8}));
    Activate(*main, false, other.get());
    EXPECT_EQ(EntryOf(*other).JumpPoint, (TPoint{-1, 0}));
    EXPECT_TRUE(fakes.cursor.moves.empty());

    // Under Wayland the cursor cannot be placed by a program.
    wm->JumpCursor = true;
    fakes.cursor.canPlace = false;
    Activate(*main, false, other.get());
    EXPECT_EQ(EntryOf(*other).JumpPoint, (TPoint{-1, 0}));
    EXPECT_EQ(fakes.cursor.pos, other->ClientToScreen({7, 8}));

    fakes.cursor.canPlace = true;
    Activate(*main, false, other.get());
    EXPECT_EQ(fakes.cursor.moves.back(), main->ClientToScreen({40, 30}))
        << "the point remembered before it was switched off";
    EXPECT_EQ(EntryOf(*other).JumpPoint, (TPoint{7, 8}));

    EntryOf(*other).TrackTarget = false;
    CursorAt(other->ClientToScreen({9, 9}));
    Activate(*main, false, other.get());
    EXPECT_EQ(EntryOf(*other).JumpPoint, (TPoint{7, 8})) << "not tracked";
    EntryOf(*main).JumpEnabled = false;
    CursorAt(other->ClientToScreen({9, 9}));
    Activate(*main, false, other.get());
    EXPECT_TRUE(fakes.cursor.moves.empty()) << "jump off for the window";
}

TEST_F(CursorJumpTest, FocusedControlTargetSurvivesARestart) {
    auto main = MakeForm("main", 100, 50);
    std::string pos;
    {
        auto dialog = MakeDialog();
        ASSERT_EQ(ReadPos("YNNYYY(0)", EntryOf(*dialog)), TPosRead::prOk);
        CursorAt(main->ClientToScreen({1, 1}));
        Activate(*dialog, false, main.get());
        ASSERT_FALSE(fakes.cursor.moves.empty());
        EXPECT_EQ(fakes.cursor.moves.back(), Centre(*Button(*dialog, 2)))
            << "index 0 is no windowed control: the dialog's own focus stays";
        dialog->SetActiveControl(Button(*dialog, 1));
        Activate(*main, false, dialog.get());
        pos = FormatPos(EntryOf(*dialog));
    }
    EXPECT_EQ(pos, "YNNYYY(1)");

    wm.reset(); // the program ends; the next run has a manager of its own
    wm = std::make_unique<TWindowManager>(nullptr);
    ASSERT_EQ(ReadPos(pos, wm->Entry(wm->FindOrAddEntry("設定"))), TPosRead::prOk);
    auto dialog = MakeDialog();
    CursorAt(main->ClientToScreen({1, 1}));
    Activate(*dialog, false, main.get());
    EXPECT_EQ(dialog->ActiveControl(), Button(*dialog, 1));
    ASSERT_FALSE(fakes.cursor.moves.empty());
    EXPECT_EQ(fakes.cursor.moves.back(), Centre(*Button(*dialog, 1)));

    // The same control disabled on the next opening: no target at all, and
    // the dialog keeps its own focus.
    dialog.reset();
    dialog = MakeDialog();
    Button(*dialog, 1)->SetEnabled(false);
    CursorAt(main->ClientToScreen({1, 1}));
    Activate(*dialog, false, main.get());
    EXPECT_TRUE(fakes.cursor.moves.empty());
    EXPECT_EQ(dialog->ActiveControl(), Button(*dialog, 2));
    // Its focused control disabled since: no target either.
    Button(*dialog, 2)->SetEnabled(false);
    Activate(*dialog, false, main.get());
    EXPECT_TRUE(fakes.cursor.moves.empty());
}

TEST_F(CursorJumpTest, TicksPostedDuringTheGlideAreAllDeliveredAfterIt) {
    auto form = MakeForm("main", 100, 50);
    EntryOf(*form).JumpPoint = {250, 150};
    CursorAt(form->ClientToScreen({0, 0}));      // ten moves of 25 px
    Application().SetSleeper(CreateQtSleeper()); // the fake goes: not used below

    std::atomic<int> posted = 0;
    int delivered = 0;
    TMessageWindow receiver([&](int) { ++delivered; });
    int postedBefore = 0, postedAfter = 0;
    {
        TPeriodicTimer timer(2, [&] {
            receiver.Post(1034);
            ++posted;
        });
        postedBefore = posted;
        Activate(*form, false, nullptr);
        postedAfter = posted;
    }
    EXPECT_EQ(fakes.cursor.moves.size(), 11u);
    EXPECT_EQ(delivered, 0) << "a tick was handled inside the glide";
    EXPECT_GT(postedAfter, postedBefore) << "no tick was posted during the glide";
    test::DeliverPosted();
    EXPECT_EQ(delivered, posted) << "ticks were merged or lost";
}

} // namespace
} // namespace orv
