// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventLoop.h"
#include "framework/app/Application.h"
#include "framework/controls/Forms.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <string>
#include <vector>

namespace orv {
namespace {

// Notes every event and moves new windows to (50, 60).
class RecordingHook : public TWindowHook {
public:
    RecordingHook() { Application().WindowHooks().Install(*this); }
    ~RecordingHook() override { Application().WindowHooks().Remove(*this); }

    void WindowCreating(THandle window, TCreateParams& params) override {
        events.push_back("create " + params.Caption + " " + std::to_string(params.Left));
        created = window;
        params.Left = 50;
        params.Top = 60;
    }
    void WindowDestroying(THandle window) override {
        events.push_back(window == created ? "destroy created" : "destroy other");
    }
    void WindowMovingSizing(THandle, const TRect& rect) override {
        events.push_back("move " + std::to_string(rect.Left) + "," + std::to_string(rect.Top));
        last = rect;
    }

    std::vector<std::string> events;
    THandle created = kNoWindow;
    TRect last;
};

TEST(WindowHooks, AFormIsPlacedAsItIsMadeAndReportsMovesAndItsEnd) {
    RecordingHook hook;
    {
        TForm form(nullptr);
        form.SetCaption("hooked");
        form.SetBounds(10, 20, 200, 100);
        EXPECT_FALSE(form.HandleAllocated());
        form.Show();
        EXPECT_EQ(form.Handle(), hook.created);
        EXPECT_EQ(form.Left(), 50);
        EXPECT_TRUE(test::RunEventsUntil([&] { return form.Peer()->pos() == QPoint(50, 60); }));
        form.SetBounds(70, 80, 200, 100);
        EXPECT_TRUE(test::RunEventsUntil([&] { return hook.events.back() == "move 70,80"; }));
        EXPECT_EQ(Application().FindWindow(form.Handle()), &form);
    }
    EXPECT_EQ(hook.events.front(), "create hooked 10");
    EXPECT_EQ(hook.events.back(), "destroy created");
    EXPECT_EQ(Application().FindWindow(hook.created), nullptr);
}

TEST(WindowHooks, NothingIsRaisedWhereWindowsCannotBePlaced) {
    RecordingHook hook;
    Application().SetWindowPlacementSupported(false);
    {
        TForm form(nullptr);
        form.SetBounds(10, 20, 200, 100);
        form.Show();
        form.SetBounds(30, 40, 200, 100);
        test::RunEventsUntil([] { return false; }, 100);
        EXPECT_EQ(form.Left(), 30);
    }
    Application().SetWindowPlacementSupported(true);
    EXPECT_TRUE(hook.events.empty());
}

// A person resizing the window: the form's size and the hooks follow, menu
// bar and frame counted as the form counts them.
TEST(WindowHooks, AResizeByTheDesktopReachesTheFormsSize) {
    RecordingHook hook;
    TForm form(nullptr);
    int resizes = 0;
    form.OnResize = [&](TObject*) { ++resizes; };
    form.SetBounds(10, 20, 200, 100);
    form.Show();
    ASSERT_TRUE(test::RunEventsUntil([&] { return form.Peer()->pos() == QPoint(50, 60); }));
    const int before = resizes;
    form.Peer()->resize(400, 300);
    EXPECT_TRUE(test::RunEventsUntil([&] { return form.Width() == 400 + TForm::kBorderWidth; }));
    EXPECT_EQ(form.Height(), 300 + TForm::kBorderHeight);
    EXPECT_EQ(form.ClientPeer()->size(), QSize(400, 300)) << "the client area did not follow";
    EXPECT_GT(resizes, before);
    EXPECT_EQ(hook.last, (TRect{50, 60, 50 + 408, 60 + 327}));
}

} // namespace
} // namespace orv
