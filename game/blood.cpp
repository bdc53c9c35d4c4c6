#include "blood.h"

// Placeholder until the blood splashes are built.
void spawnBlood(GameState&, float, float) {}
void updateBlood(GameState&) {}
