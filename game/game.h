// The game's entry: the start-up in its fixed order, then the endless frame
// loop (title or play, then endFrame). main() calls runGame once the command
// line has been handled; tests drive startGame and gameFrame directly.
#pragma once
#include <cstdint>

#include "game_state.h"

// The game's one state, alive for the whole run.
extern GameState gameState;

// Window, video, mouse, sounds (a sound file that cannot be loaded ends the
// program with its message and exit code 1), sprites and first ground, the
// random seed, colour keys, the high score.
void startGame(GameState& game, uint32_t seed);

// One frame after its start time is read: poll the mouse, then the title
// frame or a frame of play.
void gameFrame(GameState& game, uint32_t frameStart);

// Start-up and frame loop; never returns (every end is a fatal stop).
[[noreturn]] void runGame(uint32_t seed);
