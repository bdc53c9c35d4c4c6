#include "blood.h"

#include "floatconv.h"
#include "soundbank.h"
#include "video.h"

namespace {

constexpr int kCellSize = 100;
constexpr float kHalfCell = 50.0f;
constexpr float kFirstPicture = 1.0f;
constexpr float kLandedPicture = 6.0f;
constexpr float kPictureStep = 0.13f;
constexpr float kStartVx = 0.1f;
constexpr float kStartVy = 6.0f;
constexpr float kGravity = 0.25f;
// A splash lands with its bottom edge on the screen's bottom line.
constexpr float kFloorTop = 380.0f;
constexpr int kHitSounds = 12;

// The picture a splash shows; 0 or below: the slot is free.
float& animFrame(BloodSplash& splash) { return splash.life; }

// Copies picture `cell` (1 to 6) of the blood strip with its top-left
// corner at the splash's position.
void drawCell(Surface& destination, const BloodSplash& splash, int cell) {
    blitClipped(destination, truncToInt(splash.x), truncToInt(splash.y), kCellSize, kCellSize,
                effectsSurface, kCellSize * cell - kCellSize, 0, 1);
}

BloodSplash* firstFreeSlot(GameState& game) {
    for (BloodSplash& slot : game.bloodSlots)
        if (animFrame(slot) <= 0.0f) return &slot;
    return nullptr;
}

void fall(BloodSplash& splash) {
    splash.vy += kGravity;
    animFrame(splash) += kPictureStep;
    movePart(splash, splash.vx, splash.vy);
    if (splash.y > kFloorTop) {
        animFrame(splash) = kLandedPicture;
        splash.y = kFloorTop;
    }
    drawCell(backBuffer, splash, truncToInt(animFrame(splash)));
}

} // namespace

void spawnBlood(GameState& game, float px, float py) {
    BloodSplash* splash = firstFreeSlot(game);
    if (splash == nullptr) return;
    animFrame(*splash) = kFirstPicture;
    splash->x = px - kHalfCell;
    splash->y = py - kHalfCell;
    splash->vx = kStartVx;
    splash->vy = kStartVy;
    // The first picture stains the ground at once.
    drawCell(backgroundSurface, *splash, 1);
    playSound(nextRandom(game.rng) % kHitSounds);
}

void updateBlood(GameState& game) {
    for (BloodSplash& splash : game.bloodSlots) {
        const float frame = animFrame(splash);
        if (frame > 0.0f && frame < kLandedPicture) {
            fall(splash);
        } else if (frame == kLandedPicture) {
            // The landed splash stays on the ground as a stain.
            drawCell(backgroundSurface, splash, 6);
            animFrame(splash) = 0.0f;
        }
        // A splash whose picture ran past 6.0 in the air is left alone
        // until the next stage start empties its slot.
    }
}
