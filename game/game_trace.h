// The game's keys in each line of a headless run's trace: mode, stage,
// score-attack record, the hand's part, bleeding, busy blood slots and the
// frame's sound plays. runGame installs it before the start-up.
#pragma once
#include "game_state.h"
#include "trace.h"

void installGameTrace(const GameState& game);

// Appends the game's keys for `game` to a trace line and forgets the
// frame's sound plays.
void traceGameKeys(const GameState& game, TraceLine& line);
