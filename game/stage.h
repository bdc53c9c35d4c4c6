// The start of a stage: the enemy of the stage counter on a random ground.
// The frame of play calls startStage whenever no stage is loaded.
#pragma once
#include "game_state.h"

constexpr int kEnemyCount = 8;

// Loads and links enemy `stage` mod 8 with its sheet and a random ground,
// fills the bleeding counter, lets go of the hand's part, clears every blood
// splash and marks the stage loaded.
void startStage(GameState& game);

// Loads a randomly chosen ground into backgroundSurface (replacing the old
// one and its stains) and the enemy's sheet into a cleared sheetSurface.
void loadStageImages(GameState& game, int enemyIndex);
