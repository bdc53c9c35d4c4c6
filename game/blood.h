// Blood splashes: started at a part's centre when it reacts to damage, they
// stamp the ground, fall through six pictures and leave a stain where they
// land. spawnBlood is called by stepPart; updateBlood once per frame of play
// after the ground is copied to the back buffer.
#pragma once
#include "game_state.h"

void spawnBlood(GameState& game, float x, float y);
void updateBlood(GameState& game);
