// The one font the programs draw in: a Japanese-capable 16-pixel font found
// through fontconfig, rasterised without smoothing, so text pixels are crisp
// and colour keys stay exact. Rendered strings are cached. Used by drawText.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A rendered string: one byte per pixel, 1 where the text is drawn.
struct TextMask {
    int width = 0, height = 0;
    std::vector<uint8_t> bits;
};

// The mask of a UTF-8 string; empty when no font could be found.
const TextMask& renderTextMask(const std::string& utf8);
