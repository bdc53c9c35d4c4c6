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

// Copies picture `cell` (1 to 6) of the blood strip with its top-left
// corner at the splash's position.
void drawCell(Surface& destination, const BloodSplash& splash, int cell) {
    blitClipped(destination, truncToInt(splash.x), truncToInt(splash.y), kCellSize, kCellSize,
                effectsSurface, kCellSize * cell - kCellSize, 0, 1);
}

BloodSplash* firstFreeSlot(GameState& game) {
    for (BloodSplash& slot : game.bloodSlots)
        if (slot.life <= 0.0f) return &slot;
    return nullptr;
}

void fall(BloodSplash& splash) {
    splash.vy += kGravity;
    splash.life += kPictureStep;
    movePart(splash, splash.vx, splash.vy);
    if (splash.y > kFloorTop) {
        splash.life = kLandedPicture;
        splash.y = kFloorTop;
    }
    drawCell(backBuffer, splash, truncToInt(splash.life));
}

} // namespace

void spawnBlood(GameState& game, float x, float y) {
    BloodSplash* splash = firstFreeSlot(game);
    if (splash == nullptr) return;
    splash->life = kFirstPicture;
    splash->x = x - kHalfCell;
    splash->y = y - kHalfCell;
    splash->vx = kStartVx;
    splash->vy = kStartVy;
    // The first picture stains the ground at once.
    drawCell(backgroundSurface, *splash, 1);
    playSound(nextRandom(game.rng) % kHitSounds);
}

void updateBlood(GameState& game) {
    for (BloodSplash& splash : game.bloodSlots) {
        if (splash.life > 0.0f && splash.life < kLandedPicture) {
            fall(splash);
        } else if (splash.life == kLandedPicture) {
            // The landed splash stays on the ground as a stain.
            drawCell(backgroundSurface, splash, 6);
            splash.life = 0.0f;
        }
        // A splash whose picture ran past 6.0 in the air is left alone
        // until the next stage start empties its slot.
    }
}
