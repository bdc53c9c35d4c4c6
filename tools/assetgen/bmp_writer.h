// The byte image of an uncompressed 24-bit BMP file (BITMAPINFOHEADER,
// bottom-up rows padded to 4 bytes). main calls it for every picture it
// writes.
#pragma once
#include <cstdint>
#include <vector>
#include "image.h"

std::vector<uint8_t> encodeBmp(const Image& image);
