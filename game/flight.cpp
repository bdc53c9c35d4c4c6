#include "flight.h"

#include <cmath>

#include "floatconv.h"
#include "mouse.h"

namespace {

constexpr double kFleeStep = 8.0;
// Sideways the figure limps without legs and crawls without hips.
constexpr float kLegGone = 0.6666667f;
constexpr float kHipsGone = 0.25f;

// The box the soul is kept in: up to 40 pixels past the right edge of the
// screen, not below the bottom, not above or left of the screen.
constexpr float kBoxRight = 680.0f;
constexpr float kBoxBottom = 480.0f;
constexpr float kPushBack = 8.0f;

void slowSideways(const Body& body, BodyPart& soulPart) {
    if (!hasParent(body.parts[rightLeg])) soulPart.vx *= kLegGone;
    if (!hasParent(body.parts[leftLeg])) soulPart.vx *= kLegGone;
    if (!hasParent(body.parts[hips])) soulPart.vx *= kHipsGone;
}

void keepInBox(BodyPart& soulPart) {
    if (soulPart.x > kBoxRight) soulPart.x -= kPushBack;
    if (soulPart.y > kBoxBottom) soulPart.y -= kPushBack;
    if (soulPart.x < 0.0f) soulPart.x += kPushBack;
    if (soulPart.y < 0.0f) soulPart.y += kPushBack;
}

constexpr float kBleedLoss = 1.0f;
constexpr float kHeadBleeding = -3.0f;

} // namespace

void fleeFromHand(GameState& game) {
    BodyPart& soulPart = game.body.parts[soul];
    // Whole pixels from the hand to the soul.
    const int32_t dx = truncToInt(static_cast<double>(soulPart.x) - mouse.mouseX);
    const int32_t dy = truncToInt(static_cast<double>(soulPart.y) - mouse.mouseY);
    // With the hand on the soul there is no way to run: stay this frame.
    if (dx == 0 && dy == 0) return;
    const double distance = std::sqrt(static_cast<double>(dy) * dy + static_cast<double>(dx) * dx);
    soulPart.vx = static_cast<float>(kFleeStep * dx / distance);
    soulPart.vy = static_cast<float>(kFleeStep * dy / distance);
    slowSideways(game.body, soulPart);
    movePart(soulPart, soulPart.vx, soulPart.vy);
    soulPart.vx = 0.0f;
    soulPart.vy = 0.0f;
    keepInBox(soulPart);
}

void bleedOut(GameState& game) {
    BodyPart* parts = game.body.parts;
    if (hasParent(parts[head]) || game.bleedCounter <= 0) return;
    parts[torso].life -= kBleedLoss;
    parts[head].life = kHeadBleeding;
    --game.bleedCounter;
}
