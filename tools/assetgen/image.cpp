#include "image.h"
#include <algorithm>

namespace {

uint8_t unpremultiply(uint32_t channel, uint32_t alpha) {
    return static_cast<uint8_t>(std::min<uint32_t>(255, (channel * 255 + alpha / 2) / alpha));
}

}  // namespace

cairo_surface_t* newCanvas(int width, int height) {
    return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

Image imageFromSurface(cairo_surface_t* surface, bool keyed) {
    cairo_surface_flush(surface);
    Image image(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t argb = row[x];
            const uint32_t a = argb >> 24;
            uint8_t* out = image.at(x, y);
            if (a == 0 || (keyed && a < 128)) continue;  // stays black
            out[0] = unpremultiply((argb >> 16) & 0xFF, a);
            out[1] = unpremultiply((argb >> 8) & 0xFF, a);
            out[2] = unpremultiply(argb & 0xFF, a);
            if (keyed) {
                out[0] = std::max<uint8_t>(out[0], kMinRed);
                out[1] = std::max<uint8_t>(out[1], kMinGreen);
                out[2] = std::max<uint8_t>(out[2], kMinBlue);
            }
        }
    }
    return image;
}

bool writePreviewPng(const Image& image, const char* path) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = image.at(x, y);
            row[x] = (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
        }
    }
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}
