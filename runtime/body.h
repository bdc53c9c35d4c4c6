// The jointed enemy figure: the 44-byte part record, the twelve-part Body,
// its fixed skeleton and the helpers both programs use on it (clear, move,
// resolve to screen position, hit test, link after loading, editor reset).
// Called by the game every frame of play and by the editor on each command.
#pragma once
#include <cstdint>

constexpr int kPartCount = 12;

// One part, in the order of the enemy file. `parent` is the link: 0 for none
// (the soul, a part that has come off, an all-zero record), else the index of
// the parent part in the Body plus one.
struct BodyPart {
    float life;
    float x, y;
    float vx, vy;
    int32_t parent;
    float srcX, srcY;
    float width, height;
    int32_t hold;
};
static_assert(sizeof(BodyPart) == 44, "BodyPart is one 44-byte record of the enemy file");

enum PartIndex : int {
    soul = 0, head, torso, hips, rightArm, rightHand, leftArm, leftHand,
    rightLeg, rightFoot, leftLeg, leftFoot
};

constexpr int32_t kSoulHold = 1000;

struct Body {
    BodyPart parts[kPartCount];
};

constexpr int32_t kNoParent = 0;
inline int32_t linkTo(int index) { return index + 1; }
inline bool hasParent(const BodyPart& part) { return part.parent != kNoParent; }
// Index of the parent part, or -1 when the part has no link.
inline int parentIndex(const BodyPart& part) { return part.parent - 1; }

// Parent index of each part once linked (-1: the soul has none).
extern const int kSkeleton[kPartCount];

void clearRecord(BodyPart& record);
void movePart(BodyPart& record, float dx, float dy);

// Adds the positions of all ancestors (at most 201, in case links form a
// cycle) to a copy of a part; the Body is not changed.
BodyPart resolvePart(const Body& body, BodyPart copy);

// 1 when the point lies inside or on the border of the part's resolved
// rectangle.
int hitTestPart(const Body& body, const BodyPart& part, int16_t mouseX, int16_t mouseY);

// The game's linking after loadBody: skeleton, offsets, soul on the floor.
void linkBody(Body& body);
// The editor's linking: linkBody plus a fresh life of 4.0 for parts 1 to 11.
void linkBodyForEdit(Body& body);

void resetPart(BodyPart& part);
void resetBody(Body& body);
