// Drawing the enemy: each part of the Body at its resolved place, a held
// attached part trembling. The frame of play calls drawBodyPart for parts
// 11 down to 1, so the head lies on top.
#pragma once
#include "game_state.h"

// Draws part `partIndex` from sheetSurface onto backBuffer.
void drawBodyPart(GameState& game, int partIndex);

// Moves a drawing copy of a held attached part by up to 5 pixels each way
// (two random values, x first); any other copy is left alone.
void jitterPart(Rng& rng, BodyPart& copy);
