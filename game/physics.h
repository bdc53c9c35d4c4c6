// Motion and tearing-off of one part: falling, bouncing off the screen edges,
// impact damage, and the reaction of a part whose life is below 0 (tear off,
// score, scream, bleed). Called for parts 1 to 11 in order after controlHand.
#pragma once
#include "game_state.h"

void stepPart(GameState& game, int partIndex);
