#include "physics.h"

#include <cmath>

#include "part_reaction.h"

namespace {

constexpr double kGravity = 0.22;
constexpr double kImpactSpeed = 2.6;
constexpr float kImpactDamage = 4.0f;
constexpr float kScreenRight = 640.0f;
constexpr float kScreenBottom = 480.0f;

// The part's velocity scaled on both axes; each product is a float before
// anything reads it.
void scaleVelocity(BodyPart& part, double fx, double fy) {
    part.vx = static_cast<float>(part.vx * fx);
    part.vy = static_cast<float>(part.vy * fy);
}

// Bounces off the four screen edges in turn, each seeing what the ones
// before it left. True when any edge was touched.
bool bounceOffEdges(BodyPart& part) {
    bool contact = false;
    if (part.x < 0.0f) {
        scaleVelocity(part, -0.8, 0.8);
        part.x += 5.0f;
        contact = true;
    }
    if (part.x + part.width > kScreenRight) {
        scaleVelocity(part, -0.8, 0.8);
        part.x -= 5.0f;
        contact = true;
    }
    if (part.y < 0.0f) {
        scaleVelocity(part, 0.8, -0.8);
        part.y += 5.0f;
        contact = true;
    }
    if (part.y + part.height > kScreenBottom) {
        scaleVelocity(part, 0.6, -0.6);
        part.y -= 3.0f;
        contact = true;
    }
    return contact;
}

// A loose part falls, bounces, is hurt by hard impacts and slows down.
void moveFreePart(BodyPart& part) {
    part.vy = static_cast<float>(part.vy + kGravity);
    const bool contact = bounceOffEdges(part);
    if (contact) {
        // What decides is the vertical speed after the bounce, whatever edge.
        if (std::fabs(part.vy) < kImpactSpeed)
            part.vy = 0.0f;
        else
            part.life -= kImpactDamage;
    }
    movePart(part, part.vx, part.vy);
    scaleVelocity(part, 0.98, 0.99);
}

} // namespace

void stepPart(GameState& game, int partIndex) {
    if (partIndex < 1 || partIndex >= kPartCount) return;
    BodyPart& part = game.body.parts[partIndex];
    if (part.hold == 0) {
        if (hasParent(part)) {
            // Hangs still from its parent and moves only with it.
            part.vx = 0.0f;
            part.vy = 0.0f;
        } else {
            moveFreePart(part);
        }
    }
    if (part.life < 0.0f) reactToDamage(game, partIndex);
}
