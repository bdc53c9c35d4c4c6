#include "title.h"

#include "game_texts.h"
#include "mouse.h"
#include "video.h"

void titleFrame(GameState& game) {
    blitClipped(backBuffer, 0, 0, kSurfaceWidth, kSurfaceHeight, backgroundSurface, 0, 0, 0);
    drawText(backBuffer, 100, 180, kTextHello, 255, 255, 255);
    drawText(backBuffer, 200, 220, kTextNormalMode, 255, 255, 255);
    drawText(backBuffer, 200, 260, kTextScoreAttackMode, 255, 255, 255);
    drawText(backBuffer, 300, 280, formatText(kTextHighScore, game.bestScore), 255, 0, 0);

    if (mouse.leftButton == 1) {
        game.gameMode = Normal;
        game.stageLoaded = 0;
        game.stage = 0;
    }
    // Taken after the left button, so it wins when both read 1.
    if (mouse.rightButton == 1) {
        game.gameMode = ScoreAttack;
        game.stageLoaded = 0;
        game.stage = 0;
        game.scoreRecord.elapsed = 0.0f;
        game.scoreRecord.timeUp = 0.0f;
        game.scoreRecord.score = 0.0f;
    }
}
