#include "part_reaction.h"

#include "blood.h"
#include "soundbank.h"

namespace {

constexpr int kFirstScream = 12;
constexpr int kScreamCount = 8;
constexpr float kLifeBack = 4.0f;

void scoreTearOff(GameState& game, int partIndex) {
    if (game.gameMode != ScoreAttack || game.scoreRecord.timeUp != 0.0f) return;
    game.scoreRecord.score += tearOffScore(partIndex);
}

void scream(GameState& game) {
    const int32_t r = nextRandom(game.rng);
    playSound(kFirstScream + r % kScreamCount);
}

} // namespace

float tearOffScore(int partIndex) {
    switch (partIndex) {
    case head: return 500.0f;
    case torso: return 300.0f;
    case hips: return 200.0f;
    default: return 100.0f;
    }
}

void detachPart(Body& body, int partIndex) {
    BodyPart& part = body.parts[partIndex];
    const int parent = parentIndex(part);
    // Only the game's own linking sets links; one naming no part of this
    // Body is simply dropped.
    if (parent >= 0 && parent < kPartCount) {
        const BodyPart where = resolvePart(body, body.parts[parent]);
        part.x += where.x;
        part.y += where.y;
    }
    part.parent = kNoParent;
}

void reactToDamage(GameState& game, int partIndex) {
    BodyPart& part = game.body.parts[partIndex];
    if (hasParent(part)) {
        detachPart(game.body, partIndex);
        scoreTearOff(game, partIndex);
        scream(game);
    }
    spawnBlood(game, part.x + part.width * 0.5f, part.y + part.height * 0.5f);
    part.life += kLifeBack;
}
