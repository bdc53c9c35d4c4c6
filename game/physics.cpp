#include "physics.h"

// Placeholder until the part physics is built.
void stepPart(GameState&, int) {}
