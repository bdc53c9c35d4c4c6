#include "body.h"

#include <cstring>

const int kSkeleton[kPartCount] = {
    -1,        // soul
    soul,      // head
    head,      // torso
    torso,     // hips
    torso,     // rightArm
    rightArm,  // rightHand
    torso,     // leftArm
    leftArm,   // leftHand
    hips,      // rightLeg
    rightLeg,  // rightFoot
    hips,      // leftLeg
    leftLeg,   // leftFoot
};

constexpr int kMaxAncestors = 201;
constexpr float kFreshLife = 4.0f;

void clearRecord(BodyPart& record) {
    std::memset(&record, 0, sizeof record);
}

void movePart(BodyPart& record, float dx, float dy) {
    record.x += dx;
    record.y += dy;
}

// A link read from memory that was never linked by us is still followed
// only when it names a part of this Body.
static bool isLink(int32_t link) { return link > 0 && link <= kPartCount; }

BodyPart resolvePart(const Body& body, BodyPart copy) {
    int32_t link = copy.parent;
    for (int walked = 0; isLink(link) && walked < kMaxAncestors; ++walked) {
        const BodyPart& ancestor = body.parts[link - 1];
        copy.x += ancestor.x;
        copy.y += ancestor.y;
        link = ancestor.parent;
    }
    return copy;
}

int hitTestPart(const Body& body, const BodyPart& part, int16_t mouseX, int16_t mouseY) {
    const BodyPart r = resolvePart(body, part);
    const float mx = mouseX;
    const float my = mouseY;
    return r.x <= mx && mx <= r.x + r.width && r.y <= my && my <= r.y + r.height;
}

void linkBody(Body& body) {
    BodyPart* p = body.parts;
    clearRecord(p[soul]);
    // The left arm's width, not its position, is where the figure starts.
    p[soul].x = p[leftArm].width;
    // The right foot's lower edge rests on the bottom line of the screen.
    p[soul].y = 480.0f - (p[rightFoot].srcY + p[rightFoot].height);
    p[soul].hold = kSoulHold;
    for (int i = 1; i < kPartCount; ++i)
        p[i].parent = linkTo(kSkeleton[i]);
    for (int i = 1; i < kPartCount; ++i) {
        const BodyPart& parent = p[kSkeleton[i]];
        p[i].x = p[i].srcX - parent.srcX;
        p[i].y = p[i].srcY - parent.srcY;
    }
}

void linkBodyForEdit(Body& body) {
    linkBody(body);
    for (int i = 1; i < kPartCount; ++i)
        body.parts[i].life = kFreshLife;
}

void resetPart(BodyPart& part) {
    part.life = kFreshLife;
    part.vx = part.vy = 0.0f;
    part.srcX = part.srcY = part.width = part.height = 0.0f;
    part.hold = 0;
}

void resetBody(Body& body) {
    resetPart(body.parts[soul]);
    body.parts[soul].hold = kSoulHold;
    for (int i = 1; i < kPartCount; ++i)
        resetPart(body.parts[i]);
}
