// 640x480 RGB565 surfaces and the three operations that draw on them:
// clipped rectangle copies (with or without the black colour key), colour
// fills and whole-surface clears. Pure pixel code, the same in every backend;
// called by the video layer, the programs' drawing and the tests.
#pragma once
#include <cstdint>

constexpr int kSurfaceWidth = 640;
constexpr int kSurfaceHeight = 480;

struct Surface {
    uint16_t pixels[kSurfaceWidth * kSurfaceHeight];
    // Pixel value 0 is skipped by keyed copies from this surface.
    bool colorKey;

    uint16_t& at(int x, int y) { return pixels[y * kSurfaceWidth + x]; }
    uint16_t at(int x, int y) const { return pixels[y * kSurfaceWidth + x]; }
};

// Destination clip rectangle of every copy and fill; right and bottom are
// exclusive.
struct ClipRect {
    int32_t left, top, right, bottom;
};
constexpr ClipRect clipRect = {0, 0, kSurfaceWidth, kSurfaceHeight};

// Copies the width x height rectangle at (sourceX, sourceY) of the source to
// (x, y) of the destination, clipped to clipRect. A source rectangle that
// does not lie wholly inside the source surface draws nothing.
void blitClipped(Surface& destination, int32_t x, int32_t y, int32_t width, int32_t height,
                 const Surface& source, int32_t sourceX, int32_t sourceY, int useColorKey);

void clearSurface(Surface& surface);

// Fills the rectangle, each side clamped to clipRect, with the low 16 bits
// of a raw pixel value.
void fillRect(Surface& surface, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t pixel);

// RGB565 of an 8-bit-per-channel colour.
inline uint16_t rgb565(unsigned r, unsigned g, unsigned b) {
    return static_cast<uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | ((b & 0xFF) >> 3));
}
