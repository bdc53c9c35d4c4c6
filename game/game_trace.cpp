#include "game_trace.h"

#include "soundbank.h"

namespace {

const GameState* tracedGame = nullptr;

void traceHook(TraceLine& line) {
    if (tracedGame) traceGameKeys(*tracedGame, line);
}

void traceBlood(const GameState& game, TraceLine& line) {
    traceKey(line, "blood");
    traceBeginArray(line);
    for (int slot = 0; slot < kBloodSlots; ++slot) {
        const BloodSplash& s = game.bloodSlots[slot];
        if (!(s.life > 0.0f)) continue;   // a free slot
        traceBeginObject(line);
        traceField(line, "slot", static_cast<int64_t>(slot));
        traceField(line, "animFrame", s.life);
        traceField(line, "x", s.x);
        traceField(line, "y", s.y);
        traceField(line, "vx", s.vx);
        traceField(line, "vy", s.vy);
        traceEndObject(line);
    }
    traceEndArray(line);
}

void traceSounds(TraceLine& line) {
    traceKey(line, "sounds");
    traceBeginArray(line);
    for (const SoundPlay& play : soundPlays()) {
        traceBeginObject(line);
        traceField(line, "buffer", static_cast<int64_t>(play.buffer));
        traceField(line, "started", play.started);
        traceEndObject(line);
    }
    traceEndArray(line);
    clearSoundPlays();
}

} // namespace

void traceGameKeys(const GameState& game, TraceLine& line) {
    traceField(line, "mode", static_cast<int64_t>(game.gameMode));
    traceField(line, "stage", static_cast<int64_t>(game.stage));
    traceField(line, "stageLoaded", static_cast<int64_t>(game.stageLoaded));
    traceField(line, "showOutlines", static_cast<int64_t>(game.showOutlines));
    traceField(line, "score", game.scoreRecord.score);
    traceField(line, "elapsed", game.scoreRecord.elapsed);
    traceField(line, "timeUp", game.scoreRecord.timeUp);
    traceField(line, "bestScore", game.bestScore);
    traceField(line, "held", static_cast<int64_t>(parentIndex(game.handRecord)));
    traceField(line, "bleedCounter", static_cast<int64_t>(game.bleedCounter));
    traceBlood(game, line);
    traceSounds(line);
}

void installGameTrace(const GameState& game) {
    tracedGame = &game;
    setTraceSource(&game.body, traceHook);
}
