#include "surface.h"

#include <cstring>

namespace {

// A copy that needs source pixels outside the source surface draws nothing.
bool sourceInside(int64_t sx, int64_t sy, int64_t w, int64_t h) {
    return sx >= 0 && sy >= 0 && sx + w <= kSurfaceWidth && sy + h <= kSurfaceHeight;
}

void copyRows(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, bool keyed) {
    for (int row = 0; row < h; ++row) {
        const uint16_t* from = &src.pixels[(sy + row) * kSurfaceWidth + sx];
        uint16_t* to = &dst.pixels[(y + row) * kSurfaceWidth + x];
        if (!keyed) {
            std::memmove(to, from, static_cast<size_t>(w) * sizeof(uint16_t));
            continue;
        }
        for (int col = 0; col < w; ++col)
            if (from[col] != 0) to[col] = from[col];
    }
}

} // namespace

void blitClipped(Surface& destination, int32_t x32, int32_t y32, int32_t width32, int32_t height32,
                 const Surface& source, int32_t sourceX32, int32_t sourceY32, int useColorKey) {
    // Sums are formed in 64 bits so saturated coordinates cannot overflow.
    int64_t x = x32, y = y32, width = width32, height = height32;
    int64_t sourceX = sourceX32, sourceY = sourceY32;
    if (x < clipRect.left) {
        sourceX += clipRect.left - x;
        width -= clipRect.left - x;
        x = clipRect.left;
        if (width < 1) return;
    }
    if (y < clipRect.top) {
        sourceY += clipRect.top - y;
        height -= clipRect.top - y;
        y = clipRect.top;
        if (height < 1) return;
    }
    if (x >= clipRect.right || y >= clipRect.bottom) return;
    if (x + width > clipRect.right) width = clipRect.right - x;
    if (y + height > clipRect.bottom) height = clipRect.bottom - y;
    if (width < 1 || height < 1) return;
    if (!sourceInside(sourceX, sourceY, width, height)) return;
    copyRows(destination, int(x), int(y), int(width), int(height), source, int(sourceX), int(sourceY),
             useColorKey == 1 && source.colorKey);
}

void clearSurface(Surface& surface) {
    std::memset(surface.pixels, 0, sizeof surface.pixels);
}

void fillRect(Surface& surface, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t pixel) {
    int64_t left = x, top = y;
    int64_t right = int64_t(x) + width, bottom = int64_t(y) + height;
    if (left < clipRect.left) left = clipRect.left;
    if (right > clipRect.right) right = clipRect.right;
    if (top < clipRect.top) top = clipRect.top;
    if (bottom > clipRect.bottom) bottom = clipRect.bottom;
    if (left >= right || top >= bottom) return;
    const uint16_t value = static_cast<uint16_t>(pixel & 0xFFFF);
    for (int64_t row = top; row < bottom; ++row)
        for (int64_t col = left; col < right; ++col)
            surface.pixels[row * kSurfaceWidth + col] = value;
}
