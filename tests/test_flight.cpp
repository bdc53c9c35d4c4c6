// The figure's flight from the hand and its bleeding out once beheaded.
#include <cmath>

#include <gtest/gtest.h>

#include "fight_fixture.h"
#include "flight.h"
#include "physics.h"

namespace {

class FlightTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetWorld();
        setUpFigure(game);
    }
    BodyPart& soulAt(float x, float y) {
        BodyPart& s = game.body.parts[soul];
        s.x = x;
        s.y = y;
        return s;
    }
    void handAt(int x, int y) {
        mouse.mouseX = static_cast<int16_t>(x);
        mouse.mouseY = static_cast<int16_t>(y);
    }
    void tearOff(int index) { game.body.parts[index].parent = kNoParent; }
    GameState game;
};

TEST_F(FlightTest, SoulStepsEightPixelsAwayFromTheHand) {
    BodyPart& s = soulAt(100, 100);
    handAt(97, 96);
    fleeFromHand(game);
    EXPECT_FLOAT_EQ(s.x, 104.8f);
    EXPECT_FLOAT_EQ(s.y, 106.4f);
    EXPECT_EQ(s.vx, 0.0f);
    EXPECT_EQ(s.vy, 0.0f);
}

TEST_F(FlightTest, LostLegsAndHipsSlowOnlyTheSidewaysRun) {
    struct {
        const char* name;
        int gone[3];
        float sideways;
    } cases[] = {
        {"whole", {}, 8.0f},
        {"right leg gone", {rightLeg}, 8.0f * 0.6666667f},
        {"both legs gone", {rightLeg, leftLeg}, 8.0f * 0.6666667f * 0.6666667f},
        {"hips gone", {hips}, 2.0f},
        {"legs and hips gone", {rightLeg, leftLeg, hips}, 8.0f * 0.6666667f * 0.6666667f * 0.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setUpFigure(game);
        for (int index : c.gone)
            if (index != 0) tearOff(index);
        BodyPart& s = soulAt(300, 200);
        handAt(250, 200);   // straight left of the soul
        fleeFromHand(game);
        EXPECT_EQ(s.x, 300.0f + c.sideways);
        EXPECT_EQ(s.y, 200.0f);
        handAt(300, 150);   // straight above: always full speed
        s.x = 300;
        fleeFromHand(game);
        EXPECT_EQ(s.x, 300.0f);
        EXPECT_EQ(s.y, 208.0f);
    }
}

TEST_F(FlightTest, SoulIsPushedBackIntoItsBox) {
    struct {
        float x, y;
        int handX, handY;
        float endX, endY;
    } cases[] = {
        {679, 100, 600, 100, 679, 100},   // runs right to 687, back to 679
        {672, 100, 600, 100, 680, 100},   // 680 itself is inside
        {100, 479, 100, 300, 100, 479},   // past the bottom
        {100, 8, 100, 300, 100, 0},       // 0 itself is inside
        {4, 100, 100, 100, 4, 100},       // past the left edge
        {100, 4, 100, 300, 100, 4},       // past the top
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        BodyPart& s = soulAt(c.x, c.y);
        handAt(c.handX, c.handY);
        fleeFromHand(game);
        EXPECT_EQ(s.x, c.endX);
        EXPECT_EQ(s.y, c.endY);
    }
    // Pushed on against the bound, it stays where it is.
    BodyPart& s = soulAt(679, 100);
    handAt(600, 100);
    for (int i = 0; i < 5; ++i) fleeFromHand(game);
    EXPECT_EQ(s.x, 679.0f);
}

TEST_F(FlightTest, HandOnTheSoulLeavesItWhereItIs) {
    // Within a pixel on both axes the direction is undefined: stay put.
    const float places[][2] = {{100.9f, 100.5f}, {100.0f, 100.0f}, {99.5f, 100.9f}};
    for (const auto& p : places) {
        BodyPart& s = soulAt(p[0], p[1]);
        handAt(100, 100);
        fleeFromHand(game);
        EXPECT_EQ(s.x, p[0]);
        EXPECT_EQ(s.y, p[1]);
        EXPECT_EQ(s.vx, 0.0f);
        EXPECT_EQ(s.vy, 0.0f);
    }
    // Only x within the pixel: it still runs, straight down.
    BodyPart& s = soulAt(100.9f, 110.0f);
    fleeFromHand(game);
    EXPECT_EQ(s.x, 100.9f);
    EXPECT_EQ(s.y, 118.0f);
}

TEST_F(FlightTest, DamagedSoulPositionRunsWithoutOverflow) {
    const float places[][2] = {{3e38f, 100}, {-3e38f, -3e38f}, {INFINITY, 5}, {NAN, 300}};
    for (const auto& p : places) {
        BodyPart& s = soulAt(p[0], p[1]);
        handAt(320, 240);
        fleeFromHand(game);
        EXPECT_EQ(s.vx, 0.0f);
        EXPECT_EQ(s.vy, 0.0f);
    }
}

TEST_F(FlightTest, BleedingRunsOnlyWhileBeheadedAndCounting) {
    BodyPart* parts = game.body.parts;
    bleedOut(game);
    EXPECT_EQ(parts[torso].life, 4.0f);
    EXPECT_EQ(game.bleedCounter, 300);

    tearOff(head);
    bleedOut(game);
    EXPECT_EQ(parts[torso].life, 3.0f);
    EXPECT_EQ(parts[head].life, -3.0f);
    EXPECT_EQ(game.bleedCounter, 299);

    game.bleedCounter = 1;
    bleedOut(game);
    parts[head].life = 1.0f;
    bleedOut(game);
    EXPECT_EQ(game.bleedCounter, 0);
    EXPECT_EQ(parts[torso].life, 2.0f);
    EXPECT_EQ(parts[head].life, 1.0f);
}

TEST_F(FlightTest, BeheadedFigureBleedsUntilTheTorsoComesOff) {
    game.gameMode = ScoreAttack;
    BodyPart* parts = game.body.parts;
    parts[head].life = -1.0f;
    auto frame = [&] {
        for (int i = 1; i < kPartCount; ++i) stepPart(game, i);
        fleeFromHand(game);
        bleedOut(game);
    };
    handAt(0, 0);
    frame();   // the head comes off; bleeding starts at once
    EXPECT_FALSE(hasParent(parts[head]));
    EXPECT_EQ(game.bleedCounter, 299);
    EXPECT_EQ(game.scoreRecord.score, 500.0f);
    // The torso loses 1.0 a frame (3, 2, 1, 0, -1) and tears off the head
    // in the sixth frame; the head splashes every frame meanwhile.
    for (int f = 2; f <= 5; ++f) frame();
    EXPECT_TRUE(hasParent(parts[torso]));
    EXPECT_EQ(parts[torso].life, -1.0f);
    frame();
    EXPECT_FALSE(hasParent(parts[torso]));
    EXPECT_EQ(game.scoreRecord.score, 800.0f);
    EXPECT_EQ(game.bleedCounter, 294);
    EXPECT_EQ(busyBloodSlots(game), 1 + 5 + 1);
}

} // namespace
