#include "game.h"

#include <cstdio>

#include "game_trace.h"
#include "highscore.h"
#include "mouse.h"
#include "play.h"
#include "soundbank.h"
#include "title.h"
#include "video.h"
#include "window.h"

GameState gameState;

namespace {

void loadSprites() {
    loadBitmap(effectsSurface, "lion.bmp", 0, 200, 25, 25);
    loadBitmap(effectsSurface, "lion_h.bmp", 25, 200, 25, 25);
    loadBitmap(effectsSurface, "lion_h-.bmp", 50, 200, 25, 25);
    loadBitmap(effectsSurface, "bloods2.bmp", 0, 0, 600, 100);
    loadBitmap(backgroundSurface, "gnd\\biru.bmp", 0, 0, kSurfaceWidth, kSurfaceHeight);
}

// A sound file that cannot be loaded ends the program like a missing image.
void buildSoundBank() {
    const char* failedFile = nullptr;
    if (initSound(&failedFile) != 0) return;
    char message[512];
    std::snprintf(message, sizeof message, "%s ファイルが見つかりません", failedFile ? failedFile : "");
    fatalStop(message);
}

} // namespace

void startGame(GameState& game, uint32_t seed) {
    createMainWindow("qmx_DD");
    initVideo();
    initMouse(MouseVariant::Game);
    // The system cursor is hidden by the display itself.
    buildSoundBank();
    loadSprites();
    seedRng(game.rng, seed);
    setColorKey(sheetSurface);
    setColorKey(spareSurface);
    setColorKey(effectsSurface);
    game.stageLoaded = 0;
    game.stage = 0;
    readHighScore(game.scoreRecord);
    game.bestScore = game.scoreRecord.score;
}

void gameFrame(GameState& game, uint32_t frameStart) {
    // Only this frame's plays are kept (the trace reads them at its end).
    clearSoundPlays();
    pollMouse();
    if (game.gameMode == Title)
        titleFrame(game);
    else
        playFrame(game, frameStart);
}

void runGame(uint32_t seed) {
    installGameTrace(gameState);
    startGame(gameState, seed);
    for (;;) {
        const uint32_t frameStart = readTimer();
        gameFrame(gameState, frameStart);
        endFrame(frameStart);
    }
}
