// The hand: its step from the mouse counts, the clamp, grabbing, dragging,
// pulling, sweeping, losing the grip, and the cursor sprites.
#include <climits>

#include <gtest/gtest.h>

#include "fight_fixture.h"
#include "hand.h"

namespace {

// With the soul at (200, 100) the right arm spans (215..235, 120..150) and
// the right hand (215..235, 150..160); the torso (235..265, 120..160) and
// the hips (235..265, 160..175).
class HandTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetWorld();
        setUpFigure(game);
    }
    void placeHand(int x, int y) {
        mouse.mouseX = static_cast<int16_t>(x);
        mouse.mouseY = static_cast<int16_t>(y);
    }
    void hold(int index) {
        game.handRecord.parent = linkTo(index);
        game.body.parts[index].hold = 1;
    }
    int heldCount() const {
        int count = 0;
        for (const BodyPart& part : game.body.parts)
            if (part.hold == 1) ++count;
        return count;
    }
    GameState game;
};

TEST_F(HandTest, ButtonUpMovesTheHandByOneAndAHalfTruncated) {
    const int kMoves[][2] = {{3, 4}, {-3, -4}, {1, 1}, {-1, -1}, {0, 0}, {7, 10}};
    for (const auto& m : kMoves) {
        SCOPED_TRACE(m[0]);
        placeHand(300, 300);
        mouse.moveX = m[0];
        mouse.moveY = -m[0];
        mouse.wheel = 5;
        controlHand(game);
        EXPECT_EQ(mouse.mouseX, 300 + m[1]);
        EXPECT_EQ(mouse.mouseY, 300 - m[1]);
        EXPECT_EQ(mouse.moveX, 0);
        EXPECT_EQ(mouse.moveY, 0);
        EXPECT_EQ(mouse.wheel, 0);
    }
}

TEST_F(HandTest, HandIsKeptOnTheScreenWith640And480Allowed) {
    struct {
        int startX, startY, moveX, moveY, endX, endY;
    } cases[] = {
        {630, 300, 10, 0, 640, 300}, {640, 480, 0, 0, 640, 480}, {5, 300, -10, 0, 0, 300},
        {300, 470, 0, 10, 300, 480}, {300, 3, 0, -4, 300, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.startX << "," << c.startY);
        placeHand(c.startX, c.startY);
        mouse.moveX = c.moveX;
        mouse.moveY = c.moveY;
        controlHand(game);
        EXPECT_EQ(mouse.mouseX, c.endX);
        EXPECT_EQ(mouse.mouseY, c.endY);
    }
    // A runaway count saturates, wraps as a 16-bit position and is clamped.
    mouse.moveX = INT32_MAX;
    mouse.moveY = INT32_MIN;
    controlHand(game);
    EXPECT_GE(mouse.mouseX, 0);
    EXPECT_LE(mouse.mouseX, 640);
    EXPECT_GE(mouse.mouseY, 0);
    EXPECT_LE(mouse.mouseY, 480);
}

TEST_F(HandTest, PressGrabsTheHighestIndexUnderTheHandAndKeepsTheMoves) {
    placeHand(225, 150);   // on the border of the right arm and the right hand
    mouse.leftButton = 1;
    mouse.moveX = 3;
    controlHand(game);
    EXPECT_EQ(grabbedPart(game), rightHand);
    EXPECT_EQ(game.body.parts[rightHand].hold, 1);
    EXPECT_EQ(heldCount(), 1);
    EXPECT_EQ(mouse.mouseX, 225);
    EXPECT_EQ(mouse.moveX, 3) << "moves carry over to the next frame";
}

TEST_F(HandTest, PressElsewhereLetsTheOldPartGo) {
    hold(rightArm);
    placeHand(225, 150);
    mouse.leftButton = 1;
    controlHand(game);
    EXPECT_EQ(grabbedPart(game), rightHand);
    EXPECT_EQ(game.body.parts[rightArm].hold, 0);

    placeHand(50, 50);   // over nothing
    controlHand(game);
    EXPECT_EQ(grabbedPart(game), -1);
    EXPECT_EQ(heldCount(), 0);
}

TEST_F(HandTest, PullCostsLifeForAnyMoveButASingleCountRightOrDown) {
    struct {
        int moveX, moveY;
        bool costs;
    } cases[] = {
        {0, 0, false}, {1, 0, false}, {0, 1, false}, {1, 1, false}, {2, 0, true},
        {-1, 0, true}, {0, -1, true}, {0, 2, true}, {1, -1, true}, {-5, 9, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.moveX << "," << c.moveY);
        setUpFigure(game);
        hold(rightArm);
        placeHand(225, 130);
        mouse.leftButton = 2;
        mouse.moveX = c.moveX;
        mouse.moveY = c.moveY;
        controlHand(game);
        EXPECT_EQ(game.body.parts[rightArm].life, c.costs ? 3.0f : 4.0f);
        EXPECT_EQ(mouse.moveX, c.costs ? 0 : c.moveX);
        EXPECT_EQ(mouse.moveY, c.costs ? 0 : c.moveY);
        EXPECT_EQ(mouse.mouseX, 225) << "the hand stays while pulling";
        EXPECT_EQ(mouse.mouseY, 130);
        EXPECT_EQ(grabbedPart(game), rightArm);
    }
}

TEST_F(HandTest, SlowPullAddsUpAndIsSweptOnceTheGripIsLost) {
    hold(rightArm);
    placeHand(225, 130);
    mouse.leftButton = 2;
    mouse.moveX = 1;
    controlHand(game);
    EXPECT_EQ(mouse.moveX, 1);

    // The figure runs away from under the hand; two more counts arrive.
    game.body.parts[soul].x += 100.0f;
    mouse.moveX += 2;
    controlHand(game);
    EXPECT_EQ(grabbedPart(game), -1);
    EXPECT_EQ(game.body.parts[rightArm].hold, 0);
    EXPECT_EQ(game.body.parts[rightArm].life, 4.0f);
    EXPECT_EQ(mouse.mouseX, 229) << "the kept 3 counts move the hand 4 pixels";
    EXPECT_EQ(mouse.moveX, 0);
}

TEST_F(HandTest, DraggedPartFliesOnWithThreeTenthsOfTheLastStep) {
    BodyPart& part = game.body.parts[rightHand];
    part = freePart(215, 150, 20, 10);
    hold(rightHand);
    placeHand(225, 155);
    mouse.leftButton = 2;
    mouse.moveX = 4;    // step 6
    mouse.moveY = -3;   // step -4
    controlHand(game);
    EXPECT_EQ(part.x, 221.0f);
    EXPECT_EQ(part.y, 146.0f);
    EXPECT_EQ(mouse.mouseX, 231);
    EXPECT_EQ(mouse.mouseY, 151);
    EXPECT_FLOAT_EQ(part.vx, 1.8f);
    EXPECT_FLOAT_EQ(part.vy, -1.2f);
    EXPECT_EQ(mouse.moveX, 0);

    mouse.leftButton = 0;
    controlHand(game);
    EXPECT_EQ(grabbedPart(game), -1);
    EXPECT_EQ(part.hold, 0);
    EXPECT_FLOAT_EQ(part.vx, 1.8f);

    // A last step of (0, 0) leaves it at rest.
    hold(rightHand);
    mouse.leftButton = 2;
    controlHand(game);
    EXPECT_EQ(part.vx, 0.0f);
    EXPECT_EQ(part.vy, 0.0f);
}

TEST_F(HandTest, SweepKnocksLoosePartsAndHurtsAttachedOnes) {
    BodyPart& loose = game.body.parts[leftFoot];
    loose = freePart(205, 290, 20, 20);
    placeHand(200, 300);
    mouse.leftButton = 2;
    mouse.moveX = 7;   // step 10, onto the loose part
    controlHand(game);
    EXPECT_EQ(mouse.mouseX, 210);
    EXPECT_EQ(loose.vx, 5.0f);
    EXPECT_EQ(loose.vy, 0.0f);

    // Down onto the border of torso and hips: both lose 1.0 per frame.
    placeHand(240, 150);
    mouse.moveY = 7;
    controlHand(game);
    EXPECT_EQ(game.body.parts[torso].life, 3.0f);
    EXPECT_EQ(game.body.parts[hips].life, 3.0f);
    EXPECT_EQ(game.body.parts[rightArm].life, 4.0f);

    // The hit test sees the hand before it is clamped to the screen.
    loose = freePart(638, 290, 20, 20);
    placeHand(635, 300);
    mouse.moveX = 7;
    mouse.moveY = -1;
    controlHand(game);
    EXPECT_EQ(mouse.mouseX, 640);
    EXPECT_EQ(loose.vx, 5.0f);
    EXPECT_EQ(loose.vy, -0.5f);
}

class HandCursorTest : public HandTest {
protected:
    static constexpr uint16_t kOpen = 0x1111, kClosed = 0x2222, kHolding = 0x3333;
    void SetUp() override {
        HandTest::SetUp();
        fillRect(effectsSurface, 0, 200, 25, 25, kOpen);
        fillRect(effectsSurface, 25, 200, 25, 25, kClosed);
        effectsSurface.at(60, 210) = kHolding;   // one pixel; the rest is see-through
    }
};

TEST_F(HandCursorTest, ShowsTheButtonAndTheGrip) {
    placeHand(100, 100);
    drawHandCursor(game);
    EXPECT_EQ(backBuffer.at(100, 100), kOpen);
    EXPECT_EQ(backBuffer.at(124, 124), kOpen);
    EXPECT_EQ(countNonZero(backBuffer), 625);

    mouse.leftButton = 1;
    drawHandCursor(game);
    EXPECT_EQ(backBuffer.at(110, 110), kClosed);

    mouse.leftButton = 2;
    hold(torso);
    drawHandCursor(game);
    EXPECT_EQ(backBuffer.at(110, 110), kHolding);
    EXPECT_EQ(backBuffer.at(111, 110), kClosed);
    EXPECT_EQ(countNonZero(backBuffer), 625);
}

TEST_F(HandCursorTest, IsClippedAtTheScreenEdge) {
    placeHand(630, 470);
    drawHandCursor(game);
    EXPECT_EQ(countNonZero(backBuffer), 100);
    clearSurface(backBuffer);
    placeHand(640, 480);
    drawHandCursor(game);
    EXPECT_EQ(countNonZero(backBuffer), 0);
}

} // namespace
