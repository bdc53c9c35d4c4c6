// A standing figure for the tests of the hand, the part physics, the flight
// and the blood: a GameState whose Body is linked from simple sheet
// rectangles, with the mouse, the surfaces and the sound log reset.
#pragma once
#include <cstring>
#include <vector>

#include "game_state.h"
#include "mouse.h"
#include "soundbank.h"
#include "surface.h"
#include "video.h"

struct SheetRect {
    float srcX, srcY, width, height;
};

// Head on top, torso, hips, arms at the torso's sides, legs and feet below.
constexpr SheetRect kFigure[kPartCount] = {
    {0, 0, 0, 0},       // soul
    {40, 0, 20, 20},    // head
    {35, 20, 30, 40},   // torso
    {35, 60, 30, 15},   // hips
    {15, 20, 20, 30},   // rightArm
    {15, 50, 20, 10},   // rightHand
    {65, 20, 20, 30},   // leftArm
    {65, 50, 20, 10},   // leftHand
    {35, 75, 14, 35},   // rightLeg
    {30, 110, 19, 10},  // rightFoot
    {51, 75, 14, 35},   // leftLeg
    {51, 110, 19, 10},  // leftFoot
};

// The figure with life 4 everywhere, linked, its soul at (soulX, soulY).
inline void setUpFigure(GameState& game, float soulX = 200.0f, float soulY = 100.0f) {
    for (int i = 0; i < kPartCount; ++i) {
        BodyPart& part = game.body.parts[i];
        clearRecord(part);
        part.life = 4.0f;
        part.srcX = kFigure[i].srcX;
        part.srcY = kFigure[i].srcY;
        part.width = kFigure[i].width;
        part.height = kFigure[i].height;
    }
    linkBody(game.body);
    game.body.parts[soul].x = soulX;
    game.body.parts[soul].y = soulY;
}

// A loose part at an absolute position.
inline BodyPart freePart(float x, float y, float width, float height) {
    BodyPart part{};
    part.life = 4.0f;
    part.x = x;
    part.y = y;
    part.width = width;
    part.height = height;
    return part;
}

inline BodyPart absolute(const GameState& game, int index) {
    return resolvePart(game.body, game.body.parts[index]);
}

inline int busyBloodSlots(const GameState& game) {
    int busy = 0;
    for (const BloodSplash& slot : game.bloodSlots)
        if (slot.life > 0.0f) ++busy;
    return busy;
}

inline std::vector<int> playedBuffers() {
    std::vector<int> buffers;
    for (const SoundPlay& play : soundPlays()) buffers.push_back(play.buffer);
    return buffers;
}

inline int countNonZero(const Surface& surface) {
    int count = 0;
    for (uint16_t pixel : surface.pixels)
        if (pixel != 0) ++count;
    return count;
}

// Resets everything outside the GameState that the fight reads or writes.
inline void resetWorld() {
    mouse = MouseState{};
    clearSoundPlays();
    clearSurface(backBuffer);
    clearSurface(backgroundSurface);
    clearSurface(effectsSurface);
    setColorKey(effectsSurface);
}
