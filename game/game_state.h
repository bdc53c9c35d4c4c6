// Everything the game keeps for its whole run: the mode, the stage, the
// score-attack record, the enemy's Body, the hand's grip, the blood slots,
// the bleeding counter and the random source. One instance lives in the
// game's entry; every step of a frame takes it by reference.
#pragma once
#include <cstdint>

#include "body.h"
#include "rng.h"

enum GameMode : int32_t { Title = 0, Normal = 1, ScoreAttack = 2 };

// The score-attack run and the 44-byte high-score file: only the first three
// fields are used; the rest is kept as read.
struct ScoreRecord {
    float score;
    float elapsed;
    float timeUp;
    unsigned char rest[32];
};
static_assert(sizeof(ScoreRecord) == 44, "ScoreRecord has the size of a BodyPart");

// A blood splash has the shape of a BodyPart: `life` holds its animation
// frame (0 or below: the slot is free), x, y, vx, vy its motion.
using BloodSplash = BodyPart;
constexpr int kBloodSlots = 100;
constexpr int32_t kBleedFrames = 300;

struct GameState {
    GameMode gameMode = Title;
    int32_t stage = 0;
    int32_t stageLoaded = 0;
    int32_t showOutlines = 0;
    ScoreRecord scoreRecord{};
    float bestScore = 0.0f;
    Body body{};
    // Only the link is used: the grabbed part, or none.
    BodyPart handRecord{};
    BloodSplash bloodSlots[kBloodSlots]{};
    int32_t bleedCounter = kBleedFrames;
    Rng rng;
};
