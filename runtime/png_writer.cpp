#include "png_writer.h"

#include <cstdio>
#include <vector>

#include <png.h>

#include "surface.h"

namespace {

// Each 5- or 6-bit channel widened to 8 bits by repeating its high bits.
void expandRow(const uint16_t* from, std::vector<png_byte>& row) {
    for (int x = 0; x < kSurfaceWidth; ++x) {
        const unsigned v = from[x];
        const unsigned r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
        row[3 * x] = png_byte((r << 3) | (r >> 2));
        row[3 * x + 1] = png_byte((g << 2) | (g >> 4));
        row[3 * x + 2] = png_byte((b << 3) | (b >> 2));
    }
}

} // namespace

bool writePng565(const char* path, const uint16_t* pixels) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, kSurfaceWidth, kSurfaceHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(3 * kSurfaceWidth);
    for (int y = 0; y < kSurfaceHeight; ++y) {
        expandRow(pixels + y * kSurfaceWidth, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
