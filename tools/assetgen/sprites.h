// The keyed sprites on black: the hand cursor (open, gripping, and the
// mark laid over it while it holds a part; the pointer is each sprite's
// top-left corner) and the six-cell blood strip. main writes them as
// lion.bmp, lion_h.bmp, lion_h-.bmp and bloods2.bmp.
#pragma once
#include "image.h"

constexpr int kHandSpriteSize = 100;
constexpr int kBloodCell = 100;
constexpr int kBloodCells = 6;

Image paintOpenHand();
Image paintGripHand();
Image paintHoldMark();
// Cells 1 to 5: a splash bursting, spreading and falling; cell 6: the stain
// it leaves, lying on the cell's bottom row.
Image paintBloodStrip();
