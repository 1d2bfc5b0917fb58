#include "framework/Event.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace orv {
namespace {

using TTextEvent = TEvent<std::string&>;

TEST(Event, NewestFirstAndEachTokenRemovesItsOwnHandlerOnce) {
    TTextEvent event;
    EXPECT_TRUE(event.Empty());
    const TEventToken a = event.Add([](std::string& log) { log += "a"; });
    const TEventToken b = event.Add([](std::string& log) { log += "b"; });
    const TEventToken c = event.Add([](std::string& log) { log += "c"; });
    std::string log;
    event(log);
    EXPECT_EQ(log, "cba");

    EXPECT_TRUE(event.Remove(b));
    EXPECT_FALSE(event.Remove(b)) << "a second removal finds nothing";
    EXPECT_FALSE(event.Remove(0));
    log.clear();
    event(log);
    EXPECT_EQ(log, "ca");
    EXPECT_TRUE(event.Remove(a));
    EXPECT_TRUE(event.Remove(c));
    EXPECT_TRUE(event.Empty());
    const TEventToken d = event.Add([](std::string& log) { log += "d"; });
    EXPECT_NE(d, a) << "a token is not given out again";
    EXPECT_NE(d, c);
}

// A raise covers the handlers there were when it began, less those removed
// meanwhile; a handler may remove itself, and the event, while it runs.
TEST(Event, HandlersChangingTheEventWhileItRuns) {
    auto event = std::make_unique<TTextEvent>();
    TEventToken older = 0, self = 0;
    older = event->Add([](std::string& log) { log += "older "; });
    event->Add([&](std::string& log) {
        log += "remover ";
        event->Remove(older);
    });
    self = event->Add([&, tag = std::string("self ")](std::string& log) {
        event->Remove(self);
        log += tag; // the handler's own state outlives its removal
        event->Add([](std::string& log) { log += "added "; });
    });
    std::string log;
    (*event)(log);
    EXPECT_EQ(log, "self remover ");
    log.clear();
    (*event)(log);
    EXPECT_EQ(log, "added remover ");

    event->Add([&](std::string& log) {
        log += "destroyer ";
        event.reset();
    });
    log.clear();
    (*event)(log);
    EXPECT_EQ(log, "destroyer ") << "handlers of a destroyed event ran";
}

TEST(Event, ASubscriptionRemovesItsHandlerOnceAndMayOutliveTheEvent) {
    TTextEvent event;
    std::string log;
    TEventSubscription first = event.Subscribe([](std::string& log) { log += "1"; });
    TEventSubscription moved = std::move(first);
    first.Reset(); // moved from: holds nothing any more
    TEventSubscription second = event.Subscribe([](std::string& log) { log += "2"; });
    second = std::move(moved); // drops handler 2, takes over handler 1
    event(log);
    EXPECT_EQ(log, "1");
    second.Reset();
    second.Reset();
    log.clear();
    event(log);
    EXPECT_EQ(log, "");
    EXPECT_TRUE(event.Empty());

    auto shortLived = std::make_unique<TTextEvent>();
    TEventSubscription outliving = shortLived->Subscribe([](std::string&) {});
    shortLived.reset();
    outliving.Reset(); // the event is gone: nothing to remove, nothing touched
}

} // namespace
} // namespace orv
