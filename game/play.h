// A frame of play in either mode: the hand, the parts, the flight, the
// blood, the drawing of the enemy and the texts; in score attack also the
// clock. The frame loop runs it while gameMode is not Title.
#pragma once
#include <cstdint>

#include "game_state.h"

// One frame of play; frameStart is the timer value read at the frame's top.
void playFrame(GameState& game, uint32_t frameStart);

// The score-attack clock at the end of a frame of play: +0.05 s, the score,
// the countdown or the end text, and closing the run with space.
void clockStep(GameState& game);

// The frame rate shown while the right button is held: 1000 divided by the
// milliseconds since frameStart. A timer that has not moved yet (always so
// in a headless run) counts as 1 ms, so the figure stays finite.
double frameRate(uint32_t frameStart, uint32_t now);
