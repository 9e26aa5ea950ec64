#include <maya/MCallbackIdArray.h>
#include <maya/MEventMessage.h>

#include "events/EventBus.h"
#include "support/HostTestEnvironment.h"

#include <gtest/gtest.h>

#include <stdexcept>

using nbhost::EventBus;

TEST(EventBus, ListenersMayRemoveThemselvesAndOthersWhileFiring)
{
    EventBus events;
    std::vector<std::string> calls;
    MCallbackId second = 0;
    MCallbackId first = events.addEventListener("Undo", [&] {
        calls.push_back("first");
        events.remove(first);  // itself
        events.remove(second); // the next one, not yet run
    });
    second = events.addEventListener("Undo", [&] { calls.push_back("second"); });
    events.addEventListener("Undo", [&] { calls.push_back("third"); });
    events.fire("Undo");
    events.fire("Undo");
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "third", "third"}));
    EXPECT_FALSE(events.remove(first));
}

TEST(EventBus, RefusesUnknownNamesAndStopsRunawayRecursion)
{
    EventBus events;
    EXPECT_EQ(events.addEventListener("NoSuchEvent", [] {}), 0u);
    EXPECT_EQ(events.addEventListener("playingBack", [] {}), 0u) << "a condition is not an event";
    int depth = 0;
    events.addEventListener("SelectionChanged", [&] {
        ++depth;
        events.fire("SelectionChanged");
    });
    nbtest::OutputCapture output;
    events.fire("SelectionChanged");
    EXPECT_EQ(depth, 16);
    EXPECT_NE(output.warnings().find("SelectionChanged"), std::string::npos);
}

TEST(EventBus, AThrowingListenerIsReportedAndTheOthersStillRun)
{
    EventBus events;
    int calls = 0;
    events.addEventListener("timeChanged", [] { throw std::runtime_error("bad listener"); });
    events.addEventListener("timeChanged", [&] { ++calls; });
    events.addConditionListener("playingBack", [](bool) { throw 1; });
    nbtest::OutputCapture output;
    for (int i = 0; i < 20; ++i)
        events.fire("timeChanged");
    EXPECT_EQ(calls, 20) << "the event is not left half fired";
    EXPECT_NE(output.errors().find("bad listener"), std::string::npos);
    EXPECT_EQ(output.warnings(), "");
    events.setCondition("playingBack", true);
    EXPECT_TRUE(events.condition("playingBack"));
    EXPECT_EQ(events.currentListener(), 0u);
}

TEST(EventBus, ConditionsNotifyOnChangeOnly)
{
    EventBus events;
    std::vector<bool> states;
    events.addConditionListener("playingBack", [&](bool state) { states.push_back(state); });
    events.setCondition("playingBack", false);
    events.setCondition("playingBack", true);
    events.setCondition("playingBack", true);
    events.setCondition("playingBack", false);
    EXPECT_EQ(states, (std::vector<bool>{true, false}));
}

namespace {

void countCall(void* data) { ++*static_cast<int*>(data); }

} // namespace

TEST(EventBus, MessageInterfaceAddsAndRemovesCallbacks)
{
    nbtest::ScopedHost scoped;
    int count = 0;
    MStatus status;
    MCallbackId bad = MEventMessage::addEventCallback("notAnEvent", countCall, &count, &status);
    EXPECT_EQ(bad, 0u);
    EXPECT_FALSE(status);

    MCallbackIdArray ids;
    ids.append(MEventMessage::addEventCallback("timeChanged", countCall, &count, &status));
    EXPECT_TRUE(status);
    ids.append(MEventMessage::addEventCallback("Redo", countCall, &count));
    scoped.host().events().fire("timeChanged");
    scoped.host().events().fire("Redo");
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(MMessage::removeCallbacks(ids));
    scoped.host().events().fire("timeChanged");
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(MMessage::removeCallback(ids[0])) << "already removed";
}
