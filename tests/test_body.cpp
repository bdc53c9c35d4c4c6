// The body model: linking (skeleton, offsets, the soul's start), resolving
// through ancestors, hit testing, the editor's reset.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "body.h"

namespace {

// Sheet rectangles of a small figure, {srcX, srcY, width, height} for parts
// 0..11, with fractions so that float offsets are exercised.
const float kFigure[kPartCount][4] = {
    {0, 0, 0, 0},              // soul
    {40.5f, 0, 20, 20},        // head
    {35, 20, 30, 40.25f},      // torso
    {36, 60, 28, 15},          // hips
    {65, 22, 10, 30},          // rightArm
    {66, 52, 8, 8},            // rightHand
    {24, 22, 11, 30},          // leftArm
    {25, 52, 8, 8},            // leftHand
    {38, 75, 10, 35},          // rightLeg
    {37, 110, 12, 10.5f},      // rightFoot
    {52, 75, 10, 35},          // leftLeg
    {51, 110, 12, 10},         // leftFoot
};

Body figureBody() {
    Body body;
    std::memset(&body, 0, sizeof body);
    for (int i = 0; i < kPartCount; ++i) {
        BodyPart& p = body.parts[i];
        p.srcX = kFigure[i][0];
        p.srcY = kFigure[i][1];
        p.width = kFigure[i][2];
        p.height = kFigure[i][3];
        p.life = 1.5f + i;
        p.vx = 0.25f * i;
        p.vy = -0.5f * i;
        p.hold = i == 5 ? 1 : 0;
    }
    return body;
}

TEST(Body, RecordIsElevenFourByteFieldsInFileOrder) {
    static_assert(sizeof(BodyPart) == 44, "");
    EXPECT_EQ(offsetof(BodyPart, life), 0u);
    EXPECT_EQ(offsetof(BodyPart, vy), 16u);
    EXPECT_EQ(offsetof(BodyPart, parent), 20u);
    EXPECT_EQ(offsetof(BodyPart, srcX), 24u);
    EXPECT_EQ(offsetof(BodyPart, hold), 40u);
}

TEST(Body, LinkBuildsTheSkeleton) {
    Body body = figureBody();
    body.parts[soul].parent = linkTo(head);   // garbage in the soul's record
    linkBody(body);
    const int expected[kPartCount] = {-1, soul, head, torso, torso, rightArm, torso, leftArm,
                                      hips, rightLeg, hips, leftLeg};
    for (int i = 0; i < kPartCount; ++i) {
        EXPECT_EQ(parentIndex(body.parts[i]), expected[i]) << "part " << i;
        EXPECT_EQ(kSkeleton[i], expected[i]) << "part " << i;
    }
    EXPECT_FALSE(hasParent(body.parts[soul]));
}

TEST(Body, LinkedPartsResolveToSoulPlusSheetOrigin) {
    Body body = figureBody();
    linkBody(body);
    body.parts[soul].x = 123.25f;   // the figure has moved since
    body.parts[soul].y = 7.5f;
    for (int i = 1; i < kPartCount; ++i) {
        const BodyPart r = resolvePart(body, body.parts[i]);
        EXPECT_FLOAT_EQ(r.x, 123.25f + kFigure[i][0]) << "part " << i;
        EXPECT_FLOAT_EQ(r.y, 7.5f + kFigure[i][1]) << "part " << i;
        EXPECT_EQ(r.width, kFigure[i][2]) << "resolving keeps the rectangle";
    }
    // The Body itself keeps its offsets.
    EXPECT_FLOAT_EQ(body.parts[leftFoot].x, 51.0f - 52.0f);
    EXPECT_FLOAT_EQ(body.parts[torso].y, 20.0f);
}

TEST(Body, LinkPutsTheSoulOnTheFloorAndKeepsTheRest) {
    Body body = figureBody();
    body.parts[soul].life = 9;
    body.parts[soul].vx = 3;
    body.parts[soul].srcX = 17;
    linkBody(body);
    const BodyPart& s = body.parts[soul];
    EXPECT_EQ(s.x, 11.0f) << "the left arm's width";
    EXPECT_EQ(s.y, 480.0f - (110.0f + 10.5f)) << "the right foot's lower edge on row 480";
    EXPECT_EQ(s.hold, kSoulHold);
    EXPECT_EQ(s.life, 0.0f);
    EXPECT_EQ(s.vx, 0.0f);
    EXPECT_EQ(s.srcX, 0.0f);
    EXPECT_EQ(s.width, 0.0f);
    const Body before = figureBody();
    for (int i = 1; i < kPartCount; ++i) {
        EXPECT_EQ(body.parts[i].life, before.parts[i].life) << "part " << i;
        EXPECT_EQ(body.parts[i].vx, before.parts[i].vx) << "part " << i;
        EXPECT_EQ(body.parts[i].vy, before.parts[i].vy) << "part " << i;
        EXPECT_EQ(body.parts[i].hold, before.parts[i].hold) << "part " << i;
        EXPECT_EQ(body.parts[i].srcY, before.parts[i].srcY) << "part " << i;
    }
}

TEST(Body, SoulStartEdgeCases) {
    struct Case {
        const char* name;
        float leftArmWidth, footSrcY, footHeight;
        float soulX, soulY;
    } cases[] = {
        {"empty left arm, foot ends at row 480", 0, 440, 40, 0, 0},
        {"all zero body", 0, 0, 0, 0, 480},
        {"foot below the screen", 12.5f, 470, 30, 12.5f, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Body body{};
        body.parts[leftArm].width = c.leftArmWidth;
        body.parts[leftArm].srcX = 300;   // the arm's position plays no part
        body.parts[rightFoot].srcY = c.footSrcY;
        body.parts[rightFoot].height = c.footHeight;
        linkBody(body);
        EXPECT_EQ(body.parts[soul].x, c.soulX);
        EXPECT_EQ(body.parts[soul].y, c.soulY);
    }
}

TEST(Body, LinkForEditAlsoGivesFreshLife) {
    Body body = figureBody();
    linkBodyForEdit(body);
    Body linked = figureBody();
    linkBody(linked);
    EXPECT_EQ(body.parts[soul].life, 0.0f);
    for (int i = 1; i < kPartCount; ++i) {
        EXPECT_EQ(body.parts[i].life, 4.0f) << "part " << i;
        body.parts[i].life = linked.parts[i].life;
    }
    EXPECT_EQ(std::memcmp(&body, &linked, sizeof body), 0) << "otherwise the same as linkBody";
}

TEST(Body, RelinkingReattachesFreePartsAndKeepsLife) {
    Body body = figureBody();
    linkBody(body);
    // The right arm comes off, taking its hand along, and is flung away.
    BodyPart& arm = body.parts[rightArm];
    const BodyPart absolute = resolvePart(body, arm);
    arm.x = absolute.x + 200;
    arm.y = absolute.y + 50;
    arm.parent = kNoParent;
    arm.life = -0.5f;
    body.parts[leftFoot].parent = kNoParent;
    body.parts[leftFoot].x = 600;

    linkBody(body);
    EXPECT_EQ(parentIndex(arm), torso);
    EXPECT_EQ(parentIndex(body.parts[leftFoot]), leftLeg);
    EXPECT_EQ(arm.life, -0.5f);
    for (int i = 1; i < kPartCount; ++i) {
        const BodyPart r = resolvePart(body, body.parts[i]);
        EXPECT_FLOAT_EQ(r.x, body.parts[soul].x + kFigure[i][0]) << "part " << i;
        EXPECT_FLOAT_EQ(r.y, body.parts[soul].y + kFigure[i][1]) << "part " << i;
    }
}

TEST(Body, ResolveStopsAtAPartThatCameOff) {
    Body body = figureBody();
    linkBody(body);
    body.parts[soul].x = 1000;   // must not reach the hand once the arm is off
    BodyPart& arm = body.parts[rightArm];
    arm.parent = kNoParent;
    arm.x = 300;
    arm.y = 200;
    const BodyPart hand = resolvePart(body, body.parts[rightHand]);
    EXPECT_FLOAT_EQ(hand.x, 300 + (66.0f - 65.0f));
    EXPECT_FLOAT_EQ(hand.y, 200 + (52.0f - 22.0f));
    // A free part resolves to itself.
    const BodyPart self = resolvePart(body, arm);
    EXPECT_EQ(self.x, 300.0f);
    EXPECT_EQ(self.y, 200.0f);
}

TEST(Body, ResolveOfALinkCycleStopsAfter201Ancestors) {
    Body body{};
    body.parts[head].parent = linkTo(torso);
    body.parts[torso].parent = linkTo(head);
    body.parts[head].x = 1;
    body.parts[torso].x = 1;
    body.parts[head].y = 2;
    body.parts[torso].y = 2;
    const BodyPart r = resolvePart(body, body.parts[head]);   // returns at all
    EXPECT_EQ(r.x, 1.0f + 201.0f);
    EXPECT_EQ(r.y, 2.0f + 2 * 201.0f);
    // A part pointing at itself likewise.
    Body self{};
    self.parts[hips].parent = linkTo(hips);
    self.parts[hips].x = 0.5f;
    EXPECT_EQ(resolvePart(self, self.parts[hips]).x, 0.5f + 0.5f * 201);
}

TEST(Body, HitTestIncludesTheBorder) {
    Body body{};
    BodyPart& part = body.parts[head];
    part.x = 100;
    part.y = 50;
    part.width = 20;
    part.height = 10;
    struct Case {
        int16_t x, y;
        int hit;
    } cases[] = {
        {100, 50, 1}, {120, 60, 1}, {110, 55, 1}, {120, 50, 1}, {100, 60, 1},
        {99, 55, 0},  {121, 55, 0}, {110, 49, 0}, {110, 61, 0}, {121, 61, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hitTestPart(body, part, c.x, c.y), c.hit) << "at " << c.x << ", " << c.y;
}

TEST(Body, HitTestUsesTheResolvedPosition) {
    Body body = figureBody();
    linkBody(body);
    body.parts[soul].x = 200;
    body.parts[soul].y = 100;
    const BodyPart& hand = body.parts[leftHand];   // sheet (25, 52), 8 x 8
    EXPECT_EQ(hitTestPart(body, hand, 225, 152), 1);
    EXPECT_EQ(hitTestPart(body, hand, 233, 160), 1);
    EXPECT_EQ(hitTestPart(body, hand, 234, 160), 0);
    EXPECT_EQ(hitTestPart(body, hand, 25, 52), 0) << "not the unresolved offsets";
}

TEST(Body, EmptyRectangleHitsOnlyAtItsCorner) {
    Body body{};
    BodyPart& part = body.parts[hips];
    part.x = 30.0f;
    part.y = 40.0f;
    EXPECT_EQ(hitTestPart(body, part, 30, 40), 1);
    EXPECT_EQ(hitTestPart(body, part, 31, 40), 0);
    EXPECT_EQ(hitTestPart(body, part, 30, 41), 0);
    EXPECT_EQ(hitTestPart(body, part, 29, 39), 0);
}

TEST(Body, ClearAndMove) {
    BodyPart record = figureBody().parts[torso];
    record.parent = linkTo(head);
    movePart(record, 1.5f, -2.25f);
    EXPECT_EQ(record.x, 1.5f);
    EXPECT_EQ(record.y, -2.25f);
    EXPECT_EQ(record.srcX, 35.0f) << "moving touches only x and y";
    clearRecord(record);
    const BodyPart zero{};
    EXPECT_EQ(std::memcmp(&record, &zero, sizeof record), 0);
    EXPECT_FALSE(hasParent(record));
}

TEST(Body, ResetKeepsPositionsAndLinks) {
    Body body = figureBody();
    linkBody(body);
    body.parts[soul].x = 77;
    body.parts[soul].hold = 5;
    body.parts[leftLeg].parent = kNoParent;   // came off
    const Body before = body;
    resetBody(body);
    for (int i = 0; i < kPartCount; ++i) {
        SCOPED_TRACE(testing::Message() << "part " << i);
        const BodyPart& p = body.parts[i];
        EXPECT_EQ(p.x, before.parts[i].x);
        EXPECT_EQ(p.y, before.parts[i].y);
        EXPECT_EQ(p.parent, before.parts[i].parent);
        EXPECT_EQ(p.life, 4.0f);
        EXPECT_EQ(p.vx, 0.0f);
        EXPECT_EQ(p.vy, 0.0f);
        EXPECT_EQ(p.srcX, 0.0f);
        EXPECT_EQ(p.srcY, 0.0f);
        EXPECT_EQ(p.width, 0.0f);
        EXPECT_EQ(p.height, 0.0f);
        EXPECT_EQ(p.hold, i == soul ? kSoulHold : 0);
    }
}

}  // namespace
