// An RGB picture in memory, the form every generated image takes before it
// is written as a BMP. The painters fill cairo surfaces; main converts them
// here, and the figure code reads the pixels back to find part rectangles.
#pragma once
#include <cairo.h>
#include <cstddef>
#include <cstdint>
#include <vector>

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // row-major, top row first, 3 bytes a pixel

    Image() = default;
    Image(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * h * 3, 0) {}

    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
    uint8_t* at(int x, int y) { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
    bool isBlack(int x, int y) const {
        const uint8_t* p = at(x, y);
        return p[0] == 0 && p[1] == 0 && p[2] == 0;
    }
};

// The darkest colour a keyed sprite may use: anything darker would turn into
// the 16-bit value 0 and show the ground through the sprite.
constexpr int kMinRed = 8, kMinGreen = 4, kMinBlue = 8;

// Copies a cairo ARGB32 surface. For keyed sprites (black is transparent in
// the game) pixels less than half covered become pure black and every other
// pixel is lifted to at least (8, 4, 8); opaque scenes are copied as they are.
Image imageFromSurface(cairo_surface_t* surface, bool keyed);

// A transparent ARGB32 surface to paint on; the caller destroys it.
cairo_surface_t* newCanvas(int width, int height);

// Writes the picture as a PNG for looking at it (the --preview option).
bool writePreviewPng(const Image& image, const char* path);
