#include "hand.h"

// Placeholder until the hand is built.
void controlHand(GameState&) {}
void drawHandCursor(const GameState&) {}
