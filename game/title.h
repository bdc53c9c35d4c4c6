// The title screen: greeting, the two mode choices and the high score over
// the current ground. The frame loop runs it while gameMode is Title.
#pragma once
#include "game_state.h"

// Draws the title and takes the mouse buttons: left (reading 1) enters
// normal mode, then right (reading 1) enters score attack with a fresh clock.
void titleFrame(GameState& game);
