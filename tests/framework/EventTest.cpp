// SPDX-FileCopyrightText: 2026 The ORBIT RAVEN developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framework/core/Event.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace orv {
namespace {

using TTextEvent = TEvent<std::string&>;

std::string Raise(TTextEvent& event) {
    std::string log;
    event(log);
    return log;
}

// Newest first; a raise covers the handlers there were when it began, less
// those removed meanwhile, also by a handler removing itself or the event.
TEST(Event, OrderAndRemovalBeforeDuringAndAfterARaise) {
    auto event = std::make_unique<TTextEvent>();
    const TEventToken a = event->Add([](std::string& log) { log += "a"; });
    TEventToken self = 0;
    event->Add([&](std::string& log) {
        log += "r";
        event->Remove(a);
    });
    self = event->Add([&, tag = std::string("s")](std::string& log) {
        event->Remove(self);
        log += tag; // its own state outlives its removal
        event->Add([](std::string& log) { log += "n"; });
    });
    EXPECT_EQ(Raise(*event), "sr");
    EXPECT_EQ(Raise(*event), "nr") << "an added handler runs from the next raise on";
    EXPECT_FALSE(event->Remove(a)) << "a second removal finds nothing";
    EXPECT_FALSE(event->Remove(self));
    EXPECT_NE(event->Add([](std::string&) {}), self) << "a token was given out again";

    {
        TEventSubscription first = event->Subscribe([](std::string& log) { log += "x"; });
        const TEventSubscription scoped = std::move(first);
        first.Reset(); // moved from: holds nothing
        EXPECT_EQ(Raise(*event), "xnr");
    }
    EXPECT_EQ(Raise(*event), "nr") << "a subscription going left its handler";

    event->Add([&](std::string& log) {
        log += "d";
        event.reset();
    });
    TEventSubscription outliving = event->Subscribe([](std::string&) {});
    std::string log;
    (*event)(log);
    EXPECT_EQ(log, "d") << "handlers of a destroyed event ran";
    outliving.Reset(); // the event is gone: nothing to remove, nothing touched
}

} // namespace
} // namespace orv
