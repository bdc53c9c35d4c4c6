// Decodes .bmp files with SDL's loader into 0x00RRGGBB pixels, refusing
// damaged or absurd files instead of crashing on them.
#include <SDL.h>

#include <cstdlib>

#include "platform/platform.h"

namespace platform {

namespace {
constexpr int kMaxSide = 8192;

uint32_t readLe32(const Uint8* bytes) {
    return bytes[0] | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

uint16_t readLe16(const Uint8* bytes) { return uint16_t(bytes[0] | bytes[1] << 8); }

// Looks at the headers before SDL does, so that a file claiming a huge image
// is refused without allocating for it.
bool plausibleHeader(SDL_RWops* file) {
    Uint8 header[26];
    if (SDL_RWread(file, header, sizeof header, 1) != 1) return false;
    if (header[0] != 'B' || header[1] != 'M') return false;
    int64_t width, height;
    if (readLe32(header + 14) == 12) {  // the old OS/2 header: 16-bit sizes
        width = readLe16(header + 18);
        height = readLe16(header + 20);
    } else {
        width = int32_t(readLe32(header + 18));
        height = int32_t(readLe32(header + 22));
    }
    return width > 0 && width <= kMaxSide && height != 0 && std::llabs(height) <= kMaxSide;
}

SDL_Surface* decode(const char* path) {
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    if (!file) return nullptr;
    if (!plausibleHeader(file) || SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(file);
        return nullptr;
    }
    return SDL_LoadBMP_RW(file, 1);
}

void copyPixels(SDL_Surface* surface, Image& image) {
    image.width = surface->w;
    image.height = surface->h;
    image.pixels.resize(std::size_t(surface->w) * surface->h);
    const auto* bytes = static_cast<const Uint8*>(surface->pixels);
    for (int y = 0; y < surface->h; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(bytes + std::size_t(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) image.pixels[std::size_t(y) * surface->w + x] = row[x] & 0x00FFFFFFu;
    }
}
} // namespace

bool loadBmp(const char* path, Image& image) {
    SDL_Surface* loaded = decode(path);
    if (!loaded) return false;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) return false;
    bool ok = SDL_LockSurface(rgb) == 0;
    if (ok) {
        copyPixels(rgb, image);
        SDL_UnlockSurface(rgb);
    }
    SDL_FreeSurface(rgb);
    return ok;
}

} // namespace platform
