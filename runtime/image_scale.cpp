#include "image_scale.h"

#include <algorithm>
#include <cmath>

namespace {

// One output sample along an axis: the source span it covers and the
// weight of each source index in it.
struct Span {
    int first = 0, last = 0;         // inclusive source indices
    float firstWeight = 1.0f, lastWeight = 1.0f;
    float total = 1.0f;
};

Span spanFor(int i, int sourceSize, int targetSize) {
    Span s;
    if (targetSize >= sourceSize) {
        // Enlarging (or same size): the nearest source pixel.
        s.first = s.last = std::min(sourceSize - 1, int(int64_t(i) * sourceSize / targetSize));
        return s;
    }
    const double scale = double(sourceSize) / targetSize;
    const double begin = i * scale, end = (i + 1) * scale;
    s.first = int(std::floor(begin));
    s.last = std::min(sourceSize - 1, int(std::ceil(end)) - 1);
    s.firstWeight = float(std::min(end, double(s.first + 1)) - begin);
    s.lastWeight = s.last > s.first ? float(end - s.last) : s.firstWeight;
    s.total = float(end - begin);
    return s;
}

float weightAt(const Span& s, int index) {
    if (index == s.first) return s.firstWeight;
    if (index == s.last) return s.lastWeight;
    return 1.0f;
}

uint32_t averagePixel(const platform::Image& src, const Span& sx, const Span& sy) {
    float sum[3] = {0, 0, 0};
    for (int y = sy.first; y <= sy.last; ++y) {
        const float wy = weightAt(sy, y);
        for (int x = sx.first; x <= sx.last; ++x) {
            const float w = wy * weightAt(sx, x);
            const uint32_t p = src.pixels[size_t(y) * src.width + x];
            sum[0] += w * float((p >> 16) & 0xFF);
            sum[1] += w * float((p >> 8) & 0xFF);
            sum[2] += w * float(p & 0xFF);
        }
    }
    const float area = sx.total * sy.total;
    uint32_t out = 0;
    for (float channel : sum)
        out = (out << 8) | uint32_t(std::min(255.0f, std::round(channel / area)));
    return out;
}

} // namespace

platform::Image scaleImage(const platform::Image& source, int width, int height) {
    if (width <= 0) width = source.width;
    if (height <= 0) height = source.height;
    if (width == source.width && height == source.height) return source;
    platform::Image out;
    out.width = width;
    out.height = height;
    out.pixels.resize(size_t(width) * height);
    if (source.width <= 0 || source.height <= 0) return out;
    for (int y = 0; y < height; ++y) {
        const Span sy = spanFor(y, source.height, height);
        for (int x = 0; x < width; ++x)
            out.pixels[size_t(y) * width + x] = averagePixel(source, spanFor(x, source.width, width), sy);
    }
    return out;
}
