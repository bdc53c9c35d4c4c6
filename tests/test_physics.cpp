// The part step: falling, bouncing off the edges, impacts, and the reaction
// of a part whose life is below 0 (tear off, score, scream, blood).
#include <cmath>

#include <gtest/gtest.h>

#include "fight_fixture.h"
#include "physics.h"

namespace {

class PhysicsTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetWorld();
        setUpFigure(game);
    }
    // Part 11 made loose and placed, so the figure's own parts stay out of it.
    BodyPart& loosePart(float x, float y, float vx, float vy) {
        BodyPart& part = game.body.parts[leftFoot];
        part = freePart(x, y, 20.0f, 40.0f);
        part.vx = vx;
        part.vy = vy;
        return part;
    }
    GameState game;
};

struct MotionCase {
    const char* name;
    float x, y, vx, vy;
    float endX, endY, endVx, endVy, endLife;
};

// A 20 x 40 part with 4 life, one step each.
const MotionCase kMotionCases[] = {
    {"in the air", 100, 100, 1, 0, 101, 100.22f, 0.98f, 0.2178f, 4},
    {"bounce off the floor", 100, 450, 0, 10, 100, 440.868f, 0, -6.07068f, 0},
    {"slow fall onto the left wall", -1, 100, -3, 2, 6.4f, 100, 2.352f, 0, 4},
    {"slow fall onto the right wall", 625, 100, 3, 2, 617.6f, 100, -2.352f, 0, 4},
    {"thrown against the top", 100, -2, 1, -10, 100.8f, 10.824f, 0.784f, 7.74576f, 0},
    {"left and bottom at once", -2, 445, -2, 10, 3.96f, 437.0944f, 0.9408f, -4.856544f, 0},
    {"touching left and bottom exactly", 0, 440, 0, 0, 0, 440.22f, 0, 0.2178f, 4},
    {"touching right and top exactly", 620, 0, 0, 0, 620, 0.22f, 0, 0.2178f, 4},
};

TEST_F(PhysicsTest, FreePartMovesBouncesAndIsHurtByHardImpacts) {
    for (const MotionCase& c : kMotionCases) {
        SCOPED_TRACE(c.name);
        BodyPart& part = loosePart(c.x, c.y, c.vx, c.vy);
        stepPart(game, leftFoot);
        EXPECT_FLOAT_EQ(part.x, c.endX);
        EXPECT_FLOAT_EQ(part.y, c.endY);
        EXPECT_FLOAT_EQ(part.vx, c.endVx);
        EXPECT_FLOAT_EQ(part.vy, c.endVy);
        EXPECT_FLOAT_EQ(part.life, c.endLife);
        EXPECT_EQ(busyBloodSlots(game), 0) << "life 0 is not below 0";
    }
}

TEST_F(PhysicsTest, PartOnTheFloorHopsWithoutRestOrDamage) {
    BodyPart& part = loosePart(100, 440, 1, 0);
    stepPart(game, leftFoot);   // gravity takes it just past the floor
    EXPECT_FLOAT_EQ(part.y + part.height, 480.22f);
    stepPart(game, leftFoot);   // lifted 3 pixels, stopped, sideways slowed by 0.6
    EXPECT_FLOAT_EQ(part.y, 437.22f);
    EXPECT_EQ(part.vy, 0.0f);
    EXPECT_FLOAT_EQ(part.vx, 0.57624f);
    for (int i = 0; i < 200; ++i) stepPart(game, leftFoot);
    EXPECT_EQ(part.life, 4.0f);
    EXPECT_LE(part.y + part.height, 480.22f + 0.01f);
    EXPECT_GT(part.y + part.height, 476.0f);
}

TEST_F(PhysicsTest, AttachedPartHangsStillAndHeldPartsAreLeftAlone) {
    BodyPart& arm = game.body.parts[rightArm];
    const BodyPart before = arm;
    arm.vx = 3.0f;
    arm.vy = -2.0f;
    stepPart(game, rightArm);
    EXPECT_EQ(arm.vx, 0.0f);
    EXPECT_EQ(arm.vy, 0.0f);
    EXPECT_EQ(arm.x, before.x);
    EXPECT_EQ(arm.y, before.y);

    // Held, attached: keeps its velocity. Held, free: does not fall.
    arm.vx = 3.0f;
    arm.hold = 1;
    stepPart(game, rightArm);
    EXPECT_EQ(arm.vx, 3.0f);
    BodyPart& loose = loosePart(100, 100, 1, 1);
    loose.hold = 1;
    stepPart(game, leftFoot);
    EXPECT_EQ(loose.x, 100.0f);
    EXPECT_EQ(loose.y, 100.0f);
    EXPECT_EQ(loose.vy, 1.0f);
}

TEST_F(PhysicsTest, FreePartBelowZeroLifeBleedsWithoutScream) {
    BodyPart& part = loosePart(100, 100, 0, 0);
    part.life = -0.5f;
    stepPart(game, leftFoot);
    EXPECT_FLOAT_EQ(part.life, 3.5f);
    EXPECT_EQ(busyBloodSlots(game), 1);
    // The splash is centred on the part after its move.
    EXPECT_FLOAT_EQ(game.bloodSlots[0].x, part.x + 10.0f - 50.0f);
    EXPECT_FLOAT_EQ(game.bloodSlots[0].y, part.y + 20.0f - 50.0f);
    ASSERT_EQ(soundPlays().size(), 1u);
    EXPECT_LT(soundPlays()[0].buffer, 12) << "a hit sound, no scream";
}

TEST_F(PhysicsTest, DeepDamageReactsThreeTimesAndScreamsOnce) {
    game.gameMode = ScoreAttack;
    BodyPart& arm = game.body.parts[rightArm];
    arm.life = -9.0f;
    const float lifeBefore[] = {-9.0f, -5.0f, -1.0f};
    for (float expected : lifeBefore) {
        EXPECT_EQ(arm.life, expected);
        stepPart(game, rightArm);
    }
    EXPECT_EQ(arm.life, 3.0f);
    EXPECT_EQ(busyBloodSlots(game), 3);
    int screams = 0;
    for (int buffer : playedBuffers())
        if (buffer >= 12) ++screams;
    EXPECT_EQ(screams, 1);
    EXPECT_EQ(game.scoreRecord.score, 100.0f);
    stepPart(game, rightArm);
    EXPECT_EQ(busyBloodSlots(game), 3) << "3 life does not react";
}

TEST_F(PhysicsTest, TornTorsoTakesItsSubtreeAndScores300) {
    game.gameMode = ScoreAttack;
    BodyPart* parts = game.body.parts;
    BodyPart whereBefore[kPartCount];
    for (int i = 0; i < kPartCount; ++i) whereBefore[i] = absolute(game, i);
    parts[torso].life = -1.0f;
    Rng expectedRng = game.rng;

    for (int i = 1; i < kPartCount; ++i) stepPart(game, i);

    EXPECT_FALSE(hasParent(parts[torso]));
    EXPECT_EQ(parts[torso].x, 235.0f);
    EXPECT_EQ(parts[torso].y, 120.0f);
    EXPECT_EQ(game.scoreRecord.score, 300.0f);
    EXPECT_EQ(parts[torso].life, 3.0f);
    EXPECT_EQ(parentIndex(parts[head]), soul);
    for (int i = hips; i < kPartCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(parentIndex(parts[i]), kSkeleton[i]);
        EXPECT_EQ(absolute(game, i).x, whereBefore[i].x);
        EXPECT_EQ(absolute(game, i).y, whereBefore[i].y);
    }
    // A scream, then the blood at the torso's centre with its hit sound.
    const int32_t scream = nextRandom(expectedRng);
    const int32_t hit = nextRandom(expectedRng);
    EXPECT_EQ(playedBuffers(), (std::vector<int>{12 + scream % 8, hit % 12}));
    EXPECT_EQ(busyBloodSlots(game), 1);
    EXPECT_EQ(game.bloodSlots[0].x, 235.0f + 15.0f - 50.0f);
    EXPECT_EQ(game.bloodSlots[0].y, 120.0f + 20.0f - 50.0f);

    // Next frame: the loose torso falls first; the hips then tear off at
    // the torso's new place.
    parts[hips].life = -1.0f;
    for (int i = 1; i < kPartCount; ++i) stepPart(game, i);
    EXPECT_FLOAT_EQ(parts[torso].y, 120.22f);
    EXPECT_FALSE(hasParent(parts[hips]));
    EXPECT_EQ(parts[hips].x, parts[torso].x + 0.0f);
    EXPECT_EQ(parts[hips].y, parts[torso].y + 40.0f);
    EXPECT_EQ(game.scoreRecord.score, 500.0f);
    EXPECT_EQ(parentIndex(parts[rightLeg]), hips);
}

struct ScoreCase {
    GameMode mode;
    float timeUp;
    int partIndex;
    float points;
};

TEST_F(PhysicsTest, TearingOffScoresOnlyInARunningScoreAttack) {
    const ScoreCase cases[] = {
        {ScoreAttack, 0.0f, head, 500}, {ScoreAttack, 0.0f, torso, 300},
        {ScoreAttack, 0.0f, hips, 200}, {ScoreAttack, 0.0f, rightHand, 100},
        {ScoreAttack, 0.0f, leftFoot, 100}, {ScoreAttack, 1.0f, head, 0},
        {Normal, 0.0f, head, 0},
    };
    for (const ScoreCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " timeUp " << c.timeUp
                                          << " part " << c.partIndex);
        setUpFigure(game);
        clearSoundPlays();
        game.gameMode = c.mode;
        game.scoreRecord.score = 1000.0f;
        game.scoreRecord.timeUp = c.timeUp;
        game.body.parts[c.partIndex].life = -0.25f;
        stepPart(game, c.partIndex);
        EXPECT_FALSE(hasParent(game.body.parts[c.partIndex]));
        EXPECT_EQ(game.scoreRecord.score, 1000.0f + c.points);
        ASSERT_FALSE(soundPlays().empty());
        EXPECT_GE(soundPlays()[0].buffer, 12) << "it screams in every mode";
    }
}

TEST_F(PhysicsTest, HeldPartTearsOffAndStaysHeld) {
    BodyPart& hand = game.body.parts[leftHand];
    hand.hold = 1;
    hand.life = -1.0f;
    const BodyPart where = absolute(game, leftHand);
    stepPart(game, leftHand);
    EXPECT_FALSE(hasParent(hand));
    EXPECT_EQ(hand.hold, 1);
    EXPECT_EQ(hand.x, where.x);
    EXPECT_EQ(hand.y, where.y);
    EXPECT_EQ(hand.vx, 0.0f);
}

TEST_F(PhysicsTest, DamagedValuesAreSteppedWithoutHarm) {
    // Values no editor writes: endless or huge positions and sizes. The
    // splash lands far off the screen and draws nothing.
    BodyPart& part = loosePart(INFINITY, -1e38f, NAN, 1e30f);
    part.width = 3e38f;
    part.life = -1.0f;
    stepPart(game, leftFoot);
    EXPECT_EQ(busyBloodSlots(game), 1);
    EXPECT_EQ(countNonZero(backgroundSurface), 0);
    part = freePart(NAN, NAN, NAN, NAN);
    part.life = NAN;
    stepPart(game, leftFoot);
    EXPECT_EQ(busyBloodSlots(game), 1) << "NaN life does not react";
}

} // namespace
