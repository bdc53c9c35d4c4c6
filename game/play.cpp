#include "play.h"

#include "blood.h"
#include "draw_body.h"
#include "flight.h"
#include "game_texts.h"
#include "hand.h"
#include "highscore.h"
#include "mouse.h"
#include "physics.h"
#include "stage.h"
#include "video.h"
#include "window.h"

namespace {

constexpr float kClockTick = 0.05f;
constexpr float kClockLength = 30.0f;

// B switches the outlines on; space (also when both are held) off.
void readOutlineKeys(GameState& game) {
    if (getKeyB() != 0) game.showOutlines = 1;
    if (getKeySpace() != 0) game.showOutlines = 0;
}

void stepWorld(GameState& game) {
    controlHand(game);
    for (int i = 1; i < kPartCount; ++i) stepPart(game, i);
    fleeFromHand(game);
    bleedOut(game);
}

void drawWorld(GameState& game) {
    blitClipped(backBuffer, 0, 0, kSurfaceWidth, kSurfaceHeight, backgroundSurface, 0, 0, 0);
    updateBlood(game);
    for (int i = kPartCount - 1; i >= 1; --i) drawBodyPart(game, i);
    if (game.showOutlines == 1)
        for (int i = kPartCount - 1; i >= 1; --i) drawPartOutline(game.body, game.body.parts[i], 0);
    drawHandCursor(game);
}

// An enemy without its torso is finished; the right button takes the next.
void drawStageTexts(GameState& game, uint32_t frameStart) {
    if (!hasParent(game.body.parts[torso])) {
        drawText(backBuffer, 333, 240, kTextClickR, 255, 255, 255);
        if (mouse.rightButton == 1) {
            game.stageLoaded = 0;
            game.stage = game.stage + 1;
        }
    }
    drawText(backBuffer, 523, 33, formatText(kTextStage, game.stage), 255, 12, 13);
    if (mouse.rightButton == 1) {
        drawText(backBuffer, 26, 420, formatText(kTextFps, frameRate(frameStart, readTimer())), 100, 255, 100);
        drawText(backBuffer, 400, 20, formatText(kTextSoul, game.body.parts[soul].x), 100, 255, 100);
    }
}

void closeScoreAttack(GameState& game) {
    game.gameMode = Title;
    settleBestScore(game);
    writeHighScore(game.scoreRecord);
}

} // namespace

double frameRate(uint32_t frameStart, uint32_t now) {
    uint32_t elapsedMs = now - frameStart;
    if (elapsedMs == 0) elapsedMs = 1;
    return 1000.0 / static_cast<double>(elapsedMs);
}

void clockStep(GameState& game) {
    ScoreRecord& run = game.scoreRecord;
    run.elapsed = run.elapsed + kClockTick;
    drawText(backBuffer, 550, 446, formatText(kTextScore, run.score), 255, 255, 255);
    if (run.timeUp == 0.0f) {
        drawText(backBuffer, 20, 446, formatText(kTextRemaining, 30.0 - run.elapsed), 255, 255, 255);
    } else {
        drawText(backBuffer, 250, 256, kTextFinished, 255, 255, 255);
        if (getKeySpace() == 1) closeScoreAttack(game);
    }
    // Tested after the countdown is drawn: it shows -0.05 once before the end.
    if (run.elapsed > kClockLength) run.timeUp = 1.0f;
}

void playFrame(GameState& game, uint32_t frameStart) {
    if (game.stageLoaded == 0) startStage(game);
    readOutlineKeys(game);
    stepWorld(game);
    drawWorld(game);
    drawStageTexts(game, frameStart);
    if (game.gameMode == ScoreAttack) clockStep(game);
}
