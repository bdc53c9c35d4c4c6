// Writes a 640x480 RGB565 frame as a PNG file (headless screenshots).
#pragma once
#include <cstdint>

bool writePng565(const char* path, const uint16_t* pixels);
