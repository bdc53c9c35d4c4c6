// Buffered mouse input: the 16-event device buffer, at most ten events per
// poll in arrival order, the game's 1 -> 2 rule for a press followed by
// movement and the editor's variant without it.
#include <gtest/gtest.h>

#include <climits>

#include "mouse.h"

namespace {

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetMouseDevice();
        initMouse(MouseVariant::Game);
    }
    void TearDown() override { resetMouseDevice(); }

    static void press() { queueMouseEvent(kButtonLeft, kButtonDown); }
    static void release() { queueMouseEvent(kButtonLeft, 0); }
};

TEST_F(MouseTest, StartValues) {
    EXPECT_EQ(mouse.mouseX, 200);
    EXPECT_EQ(mouse.mouseY, 200);
    EXPECT_EQ(mouse.moveX, 0);
    EXPECT_EQ(mouse.leftButton, 0);
}

TEST_F(MouseTest, NoEventLeavesTheStateAsItWas) {
    press();
    pollMouse();
    ASSERT_EQ(mouse.leftButton, 1);
    mouse.moveX = 7;
    mouse.mouseX = 320;
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 1);
    EXPECT_EQ(mouse.moveX, 7);
    EXPECT_EQ(mouse.mouseX, 320) << "the poll never moves the pointer itself";
}

TEST_F(MouseTest, AtMostTenEventsPerPoll) {
    for (int i = 0; i < 12; ++i) queueMouseEvent(kMouseX, 1 << i);
    pollMouse();
    EXPECT_EQ(mouse.moveX, (1 << 10) - 1) << "the first ten, in order";
    pollMouse();
    EXPECT_EQ(mouse.moveX, (1 << 12) - 1) << "the last two at the next poll";
}

TEST_F(MouseTest, TheSeventeenthPendingEventIsDropped) {
    for (int i = 0; i < 17; ++i) queueMouseEvent(kMouseY, 1 << i);
    pollMouse();
    pollMouse();
    EXPECT_EQ(mouse.moveY, (1 << 16) - 1);
    // Room again once the buffer has been read.
    queueMouseEvent(kMouseY, 1 << 20);
    pollMouse();
    EXPECT_EQ(mouse.moveY, (1 << 16) - 1 + (1 << 20));
}

TEST_F(MouseTest, BufferKeepsOrderAcrossPollsAndRefills) {
    // Fill, take ten, refill to sixteen: the ring must keep arrival order.
    for (int i = 0; i < 16; ++i) queueMouseEvent(kMouseX, 1);
    pollMouse();
    press();
    for (int i = 0; i < 9; ++i) queueMouseEvent(kMouseWheel, 1);   // 6 + 10 = 16 pending
    queueMouseEvent(kMouseY, 5);                                    // dropped
    pollMouse();
    EXPECT_EQ(mouse.moveX, 16);
    EXPECT_EQ(mouse.leftButton, 1) << "pressed after the last movement";
    EXPECT_EQ(mouse.wheel, 3);
    pollMouse();
    EXPECT_EQ(mouse.wheel, 9);
    EXPECT_EQ(mouse.moveY, 0);
    EXPECT_EQ(mouse.leftButton, 1);
}

TEST_F(MouseTest, GameMarksAPressFollowedByMovement) {
    struct Case {
        const char* name;
        void (*queue)();
        int afterFirstPoll;
    } cases[] = {
        {"press, then x move", [] { press(); queueMouseEvent(kMouseX, 3); }, 2},
        {"press, then y move", [] { press(); queueMouseEvent(kMouseY, -1); }, 2},
        {"move, then press", [] { queueMouseEvent(kMouseX, 3); press(); }, 1},
        {"press, then wheel", [] { press(); queueMouseEvent(kMouseWheel, 120); }, 1},
        {"press, then zero move", [] { press(); queueMouseEvent(kMouseX, 0); }, 2},
        {"press, move, release", [] { press(); queueMouseEvent(kMouseX, 3); release(); }, 0},
        {"press, release", [] { press(); release(); }, 0},
        {"press, move, press again", [] { press(); queueMouseEvent(kMouseX, 3); press(); }, 1},
        {"right press, then move", [] { queueMouseEvent(kButtonRight, kButtonDown); queueMouseEvent(kMouseX, 1); }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.queue();
        pollMouse();
        EXPECT_EQ(mouse.leftButton, c.afterFirstPoll);
    }
}

TEST_F(MouseTest, GameTurnsAHeldPressTo2AtALaterMove) {
    queueMouseEvent(kMouseX, 3);
    press();
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 1);
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 1) << "held still";
    queueMouseEvent(kMouseY, 1);
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 2);
    queueMouseEvent(kMouseX, 1);
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 2);
    release();
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 0);
    queueMouseEvent(kMouseX, 1);
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 0) << "moving with the button up";
}

TEST_F(MouseTest, EditorKeepsTheLeftButtonAt1) {
    initMouse(MouseVariant::Editor);
    press();
    queueMouseEvent(kMouseX, 3);
    queueMouseEvent(kMouseY, 3);
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 1);
    EXPECT_EQ(mouse.moveX, 3);
    release();
    pollMouse();
    EXPECT_EQ(mouse.leftButton, 0);
}

TEST_F(MouseTest, EventsQueuedBeforeInitStayForTheFirstPoll) {
    press();
    queueMouseEvent(kMouseX, 4);
    initMouse(MouseVariant::Editor);
    pollMouse();
    EXPECT_EQ(mouse.moveX, 4);
    EXPECT_EQ(mouse.leftButton, 1);
}

TEST_F(MouseTest, ButtonsFollowBit7OfTheLowByte) {
    struct Case {
        uint32_t offset;
        int32_t data;
        int left, right, middle;
    } cases[] = {
        {kButtonLeft, 0x80, 1, 0, 0},
        {kButtonLeft, 0x7F, 0, 0, 0},
        {kButtonLeft, 0xFF, 1, 0, 0},
        {kButtonLeft, 0x100, 0, 0, 0},       // bit 8, not bit 7
        {kButtonLeft, -128, 1, 0, 0},        // 0xFFFFFF80
        {kButtonRight, 0x80, 0, 1, 0},
        {kButtonMiddle, 0x80, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset << " data " << c.data);
        SetUp();
        queueMouseEvent(c.offset, c.data);
        pollMouse();
        EXPECT_EQ(mouse.leftButton, c.left);
        EXPECT_EQ(mouse.rightButton, c.right);
        EXPECT_EQ(mouse.middleButton, c.middle);
    }
}

TEST_F(MouseTest, FourthButtonAndUnknownOffsetsChangeNothing) {
    press();
    pollMouse();
    const MouseState before = mouse;
    for (uint32_t offset : {kButton4, 1u, 16u, 0xFFFFFFFFu}) queueMouseEvent(offset, kButtonDown);
    queueMouseEvent(kButton4, 0);
    pollMouse();
    EXPECT_EQ(mouse.leftButton, before.leftButton);
    EXPECT_EQ(mouse.rightButton, before.rightButton);
    EXPECT_EQ(mouse.middleButton, before.middleButton);
    EXPECT_EQ(mouse.moveX, before.moveX);
    EXPECT_EQ(mouse.moveY, before.moveY);
    EXPECT_EQ(mouse.wheel, before.wheel);
}

TEST_F(MouseTest, MovementIsAddedUntilTheConsumerClearsIt) {
    for (int i = 0; i < 3; ++i) queueMouseEvent(kMouseX, 2);
    queueMouseEvent(kMouseY, -4);
    queueMouseEvent(kMouseWheel, -120);
    pollMouse();
    EXPECT_EQ(mouse.moveX, 6);
    EXPECT_EQ(mouse.moveY, -4);
    EXPECT_EQ(mouse.wheel, -120);
    queueMouseEvent(kMouseX, 2);
    pollMouse();
    EXPECT_EQ(mouse.moveX, 8);
    mouse.moveX = 0;   // the consumer takes it
    queueMouseEvent(kMouseX, -1);
    pollMouse();
    EXPECT_EQ(mouse.moveX, -1);
}

TEST_F(MouseTest, SumsWrapAroundAt32Bits) {
    mouse.moveX = INT32_MAX;
    mouse.moveY = INT32_MIN;
    mouse.wheel = INT32_MAX;
    queueMouseEvent(kMouseX, 1);
    queueMouseEvent(kMouseY, -1);
    queueMouseEvent(kMouseWheel, INT32_MAX);
    pollMouse();
    EXPECT_EQ(mouse.moveX, INT32_MIN);
    EXPECT_EQ(mouse.moveY, INT32_MAX);
    EXPECT_EQ(mouse.wheel, -2);
}

TEST_F(MouseTest, ResetEmptiesTheBufferAndRestoresTheStart) {
    press();
    queueMouseEvent(kMouseX, 9);
    pollMouse();
    queueMouseEvent(kMouseX, 9);
    resetMouseDevice();
    pollMouse();
    EXPECT_EQ(mouse.moveX, 0);
    EXPECT_EQ(mouse.leftButton, 0);
    EXPECT_EQ(mouse.mouseX, 200);
}

}  // namespace
