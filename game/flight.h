// The figure runs from the hand (the soul moves 8 pixels a frame away from
// it) and bleeds out once beheaded. Both run once per frame of play, in this
// order, right after the part steps.
#pragma once
#include "game_state.h"

void fleeFromHand(GameState& game);
void bleedOut(GameState& game);
