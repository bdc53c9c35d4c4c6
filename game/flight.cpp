#include "flight.h"

// Placeholder until flight and bleeding are built.
void fleeFromHand(GameState&) {}
void bleedOut(GameState&) {}
