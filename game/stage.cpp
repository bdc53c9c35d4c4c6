#include "stage.h"

#include <cstdio>

#include "enemy_file.h"
#include "video.h"

namespace {

const char* groundFor(int32_t r) {
    switch (r) {
    case 1: return "gnd\\biru.bmp";
    case 2: return "gnd\\n_nest.bmp";
    default: return "gnd\\sakamiti.bmp";
    }
}

} // namespace

void loadStageImages(GameState& game, int enemyIndex) {
    const int32_t r = nextRandom(game.rng) % 3;
    loadBitmap(backgroundSurface, groundFor(r), 0, 0, kSurfaceWidth, kSurfaceHeight);
    clearSurface(sheetSurface);
    char sheet[32];
    std::snprintf(sheet, sizeof sheet, "body\\ene%d.bmp", enemyIndex);
    loadBitmap(sheetSurface, sheet, 0, 0, 0, 0);
}

void startStage(GameState& game) {
    const int enemyIndex = game.stage % kEnemyCount;
    loadBody(game.body, enemyIndex);
    loadStageImages(game, enemyIndex);
    linkBody(game.body);
    game.bleedCounter = kBleedFrames;
    clearRecord(game.handRecord);
    for (BloodSplash& slot : game.bloodSlots) clearRecord(slot);
    game.stageLoaded = 1;
}
