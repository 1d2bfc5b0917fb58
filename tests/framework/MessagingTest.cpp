// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventLoop.h"
#include "Fakes.h"
#include "framework/app/Application.h"
#include "framework/app/MessageWindow.h"
#include "framework/core/PeriodicTimer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace orv {
namespace {

using test::DeliverPosted;
using test::RunEventsUntil;

TEST(MessageWindow, DeliversEveryPostInOrderNeverMerged) {
    std::vector<int> seen;
    TMessageWindow window([&](int message) { seen.push_back(message); });
    for (int i = 0; i < 5; ++i)
        window.Post(1034);
    window.Post(1035);
    DeliverPosted();
    EXPECT_EQ(seen, (std::vector<int>{1034, 1034, 1034, 1034, 1034, 1035}));
}

TEST(MessageWindow, DestroyedReceiverDropsWhatIsStillQueued) {
    int seen = 0;
    {
        TMessageWindow window([&](int) { ++seen; });
        window.Post(1034);
        window.Post(1034);
    }
    DeliverPosted();
    EXPECT_EQ(seen, 0);
}

TEST(MessageWindow, PostsFromAnotherThreadArrive) {
    int seen = 0;
    TMessageWindow window([&](int) { ++seen; });
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i)
            window.Post(1034);
    });
    poster.join();
    DeliverPosted();
    EXPECT_EQ(seen, 100);
}

TEST(PeriodicTimer, TicksRepeatedlyUntilDestroyed) {
    std::atomic<int> ticks = 0;
    {
        TPeriodicTimer timer(2, [&] { ++ticks; });
        EXPECT_TRUE(timer.Running());
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (ticks < 5 && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const int atStop = ticks;
    EXPECT_GE(atStop, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ticks, atStop) << "a callback ran after the timer was destroyed";
}

TEST(PeriodicTimer, PeriodOfZeroOrLessNeverTicks) {
    std::atomic<int> ticks = 0;
    for (int period : {0, -5}) {
        TPeriodicTimer timer(period, [&] { ++ticks; });
        EXPECT_FALSE(timer.Running());
    }
    EXPECT_EQ(ticks, 0);
}

TEST(PeriodicTimer, StopWaitsForACallbackInFlight) {
    std::atomic<bool> inside = false;
    std::atomic<bool> finished = false;
    {
        TPeriodicTimer timer(1, [&] {
            inside = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            finished = true;
        });
        while (!inside)
            std::this_thread::yield();
    }
    EXPECT_TRUE(finished);
}

// Throws from inside an event handler, where Qt would otherwise abort.
class Thrower : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        return QObject::event(event);
    }
};

TEST(Application, ExceptionFromAHandlerIsShownAndTheProgramGoesOn) {
    test::FakeServices fakes;
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    DeliverPosted();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, "handler failed");
    EXPECT_EQ(fakes.messageBox.shown[0].caption, Application().Title());
    EXPECT_EQ(fakes.messageBox.shown[0].flags & 0xF0u, MB_ICONERROR);
}

TEST(Application, ProgramDirectoryFollowsTheProgramFile) {
    const std::string saved = Application().ExeName();
    Application().SetExeName("/opt/orbit-raven/orbit-raven");
    EXPECT_EQ(Application().ExeDir(), "/opt/orbit-raven/");
    Application().SetExeName(saved);
}

// Whatever escapes before the event loop runs is shown in a message box and
// ends the program with a failure status, never with a crash.
TEST(Application, AnErrorBeforeTheLoopIsShownAndGivesAFailureStatus) {
    test::FakeServices fakes;
    EXPECT_EQ(Application().Execute([] { throw std::runtime_error("壊れています"); }), 1);
    EXPECT_EQ(Application().Execute([] { throw 42; }), 1);
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, "壊れています");
    EXPECT_EQ(fakes.messageBox.shown[1].flags & MB_ICONERROR, MB_ICONERROR);
    EXPECT_EQ(Application().Execute([] { Application().Terminate(); }), 0);
    Application().CancelTerminate();
    EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
    // Ending before the loop leaves later loops, a message box's, running.
    bool ran = false;
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&] {
        ran = true;
        loop.quit();
    });
    loop.exec();
    EXPECT_TRUE(ran);
}

} // namespace
} // namespace orv
