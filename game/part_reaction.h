// What a part does when its life has dropped below 0: an attached part tears
// off its parent (taking its own subtree along), screams and, in a running
// score attack, scores; every such part bleeds and gets 4 life back.
// Called by stepPart after the part's motion.
#pragma once
#include "game_state.h"

// Points for tearing off a part: head 500, torso 300, hips 200, others 100.
float tearOffScore(int partIndex);

// Tears an attached part off its parent: its position becomes absolute (its
// parent's resolved position added) and its link is cleared. Velocity and
// descendants are left as they are.
void detachPart(Body& body, int partIndex);

void reactToDamage(GameState& game, int partIndex);
