// Merging of mouse motion in the device event queue.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/event_queue.h"

namespace {
using namespace platform;

Event mouseEvent(uint32_t offset, int32_t data) {
    Event event;
    event.kind = Event::Mouse;
    event.offset = offset;
    event.data = data;
    return event;
}

Event keyDown(int key) {
    Event event;
    event.kind = Event::KeyDown;
    event.key = key;
    return event;
}

// The queue's contents as text, e.g. "M0:5 M4:-2 K27".
std::string drain(EventQueue& queue) {
    std::string text;
    Event event;
    while (queue.pop(event)) {
        if (!text.empty()) text += ' ';
        if (event.kind == Event::Mouse)
            text += "M" + std::to_string(event.offset) + ":" + std::to_string(event.data);
        else
            text += "K" + std::to_string(event.key);
    }
    return text;
}

TEST(PlatformEventQueue, ConsecutiveMotionBecomesOneXAndOneY) {
    EventQueue queue;
    for (int i = 0; i < 100; ++i) queue.pushMotion(2, -1);
    EXPECT_TRUE(queue.onlyMotion());
    EXPECT_EQ(drain(queue), "M0:200 M4:-100");
}

TEST(PlatformEventQueue, OtherEventsSplitTheRunsInOrder) {
    EventQueue queue;
    queue.pushMotion(3, 0);
    queue.pushMotion(4, 1);
    queue.push(mouseEvent(kOffsetLeft, kPressed));
    queue.pushMotion(0, 5);
    queue.pushMotion(1, 0);
    queue.push(mouseEvent(kOffsetWheel, 120));
    queue.pushMotion(-2, 0);
    queue.push(keyDown(0x1B));
    queue.pushMotion(7, 7);
    EXPECT_FALSE(queue.onlyMotion());
    EXPECT_EQ(drain(queue), "M0:7 M4:1 M12:128 M4:5 M0:1 M8:120 M0:-2 K27 M0:7 M4:7");
}

TEST(PlatformEventQueue, ZeroMotionAddsNothingButMergedZeroStays) {
    EventQueue queue;
    queue.pushMotion(0, 0);
    EXPECT_TRUE(queue.empty());
    EXPECT_FALSE(queue.onlyMotion());
    // Movement there and back is still movement for the press-then-move rule.
    queue.pushMotion(5, 0);
    queue.pushMotion(-5, 0);
    EXPECT_EQ(drain(queue), "M0:0");
}

TEST(PlatformEventQueue, MotionAfterPartOfARunWasTakenJoinsTheRest) {
    EventQueue queue;
    queue.pushMotion(1, 1);
    Event first;
    ASSERT_TRUE(queue.pop(first));
    EXPECT_EQ(first.offset, kOffsetX);
    queue.pushMotion(2, 3);
    EXPECT_EQ(drain(queue), "M4:4 M0:2");
}

TEST(PlatformEventQueue, SumsWrapAroundLikeThe32BitCounts) {
    EventQueue queue;
    queue.pushMotion(INT32_MAX, 0);
    queue.pushMotion(2, 0);
    EXPECT_EQ(drain(queue), "M0:" + std::to_string(INT32_MIN + 1));
}

} // namespace
