#include "hand.h"

#include "floatconv.h"
#include "mouse.h"

namespace {

constexpr double kHandSpeed = 1.5;
constexpr double kThrowFactor = 0.3;
constexpr double kKnockFactor = 0.5;
constexpr float kPullDamage = 1.0f;
constexpr float kSweepDamage = 1.0f;
constexpr int16_t kHandRight = 640;
constexpr int16_t kHandBottom = 480;

// The hand's move this frame: the mouse counts times 1.5, truncated.
struct HandStep {
    int32_t stepX, stepY;
};

// The hand position is a 16-bit pixel that wraps like one.
int16_t addWrapped(int16_t position, int32_t step) {
    const uint32_t sum = static_cast<uint32_t>(position) + static_cast<uint32_t>(step);
    return static_cast<int16_t>(static_cast<uint16_t>(sum));
}

void moveHand(HandStep step) {
    mouse.mouseX = addWrapped(mouse.mouseX, step.stepX);
    mouse.mouseY = addWrapped(mouse.mouseY, step.stepY);
}

void clearMoves() {
    mouse.moveX = 0;
    mouse.moveY = 0;
}

bool handOver(const GameState& game, int index) {
    return hitTestPart(game.body, game.body.parts[index], mouse.mouseX, mouse.mouseY) != 0;
}

void letGo(GameState& game) {
    const int held = grabbedPart(game);
    if (held >= 0) game.body.parts[held].hold = 0;
    game.handRecord.parent = kNoParent;
}

// The part of highest index under the hand is taken; the one held before,
// if another, is let go.
void grab(GameState& game) {
    const int before = grabbedPart(game);
    int hit = -1;
    for (int i = 1; i < kPartCount; ++i)
        if (handOver(game, i)) hit = i;
    if (hit >= 0) {
        game.body.parts[hit].hold = 1;
        game.handRecord.parent = linkTo(hit);
    } else {
        game.handRecord.parent = kNoParent;
    }
    if (before >= 0 && before != hit) game.body.parts[before].hold = 0;
}

// A free part follows the hand and keeps the step's speed for its throw.
void drag(BodyPart& part, HandStep step) {
    moveHand(step);
    movePart(part, static_cast<float>(step.stepX), static_cast<float>(step.stepY));
    part.vx = static_cast<float>(step.stepX * kThrowFactor);
    part.vy = static_cast<float>(step.stepY * kThrowFactor);
    clearMoves();
}

// Any movement but a single count right or down tears at the part; slow
// movement right or down adds up until it does.
bool pullsHard(int32_t move) { return move != 0 && move != 1; }

void pull(BodyPart& part) {
    if (pullsHard(mouse.moveX) || pullsHard(mouse.moveY)) {
        part.life -= kPullDamage;
        clearMoves();
    }
}

// With nothing held the hand knocks loose parts away and hurts attached ones.
void sweep(GameState& game, HandStep step) {
    moveHand(step);
    clearMoves();
    for (int i = 1; i < kPartCount; ++i) {
        if (!handOver(game, i)) continue;
        BodyPart& part = game.body.parts[i];
        if (hasParent(part)) {
            part.life -= kSweepDamage;
        } else {
            part.vx = static_cast<float>(step.stepX * kKnockFactor);
            part.vy = static_cast<float>(step.stepY * kKnockFactor);
        }
    }
}

void moveWithButtonHeld(GameState& game, HandStep step) {
    const int held = grabbedPart(game);
    if (held < 0) {
        sweep(game, step);
        return;
    }
    BodyPart& part = game.body.parts[held];
    if (hasParent(part))
        pull(part);
    else
        drag(part, step);
}

int16_t clampTo(int16_t value, int16_t high) {
    if (value < 0) return 0;
    if (value > high) return high;
    return value;
}

} // namespace

int grabbedPart(const GameState& game) {
    const int index = parentIndex(game.handRecord);
    return index >= 1 && index < kPartCount ? index : -1;
}

void controlHand(GameState& game) {
    const HandStep step{truncToInt(mouse.moveX * kHandSpeed), truncToInt(mouse.moveY * kHandSpeed)};
    mouse.wheel = 0;
    // The figure ran from under the hand: the grip is lost.
    const int held = grabbedPart(game);
    if (held >= 0 && mouse.leftButton == 2 && !handOver(game, held)) letGo(game);
    if (mouse.leftButton == 0) {
        moveHand(step);
        clearMoves();
        letGo(game);
    }
    // A fresh press holds the hand still; its moves wait for the next frame.
    if (mouse.leftButton == 1) grab(game);
    if (mouse.leftButton == 2) moveWithButtonHeld(game, step);
    mouse.mouseX = clampTo(mouse.mouseX, kHandRight);
    mouse.mouseY = clampTo(mouse.mouseY, kHandBottom);
}
