// The enemy file for a generated sheet: the eleven part rectangles put in a
// Body and linked exactly as the editor links before it saves. main writes
// the result only where no enemy file exists yet.
#pragma once
#include <cstdint>
#include <vector>
#include "figure.h"

std::vector<uint8_t> enemyFileBytes(const RenderedFigure& figure);
