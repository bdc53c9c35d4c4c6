// The player's hand: moves with the mouse, grabs, drags, pulls and sweeps
// parts. controlHand runs once per frame of play after pollMouse and before
// the parts are stepped; drawHandCursor after the parts and outlines.
#pragma once
#include "game_state.h"

void controlHand(GameState& game);
void drawHandCursor(const GameState& game);

// Index of the part the hand holds (1 to 11), or -1 when it holds nothing.
int grabbedPart(const GameState& game);
