#include "video.h"

#include <cstdio>
#include <string>

#include "files.h"
#include "floatconv.h"
#include "image_scale.h"
#include "platform/platform.h"
#include "run.h"
#include "window.h"

Surface primarySurface;
Surface backBuffer;
Surface backgroundSurface;
Surface spareSurface;
Surface sheetSurface;
Surface effectsSurface;

namespace {
bool displayOpen = false;
}

int32_t initVideo() {
    platform::DisplayOptions options;
    options.title = mainWindowTitle();
    options.windowed = currentRun().windowed;
    options.scale = currentRun().scale;
    std::string error;
    if (!platform::openDisplay(options, error)) {
        const std::string text = "No display could be opened: " + error;
        fatalStop(text.c_str());
    }
    displayOpen = true;
    for (Surface* s : {&primarySurface, &backBuffer, &backgroundSurface, &spareSurface,
                       &sheetSurface, &effectsSurface})
        clearSurface(*s);
    return 1;
}

int32_t releaseAll() {
    platform::closeAudio();
    if (displayOpen) platform::closeDisplay();
    displayOpen = false;
    return 1;
}

void flipFrame() {
    primarySurface = backBuffer;
    platform::presentFrame(primarySurface.pixels);
}

void setColorKey(Surface& surface) { surface.colorKey = true; }

static void copyImage(Surface& surface, const platform::Image& image, int32_t x, int32_t y) {
    // The area is cut to 640x480 of the image and to the surface's edges.
    const int width = image.width < kSurfaceWidth ? image.width : kSurfaceWidth;
    const int height = image.height < kSurfaceHeight ? image.height : kSurfaceHeight;
    for (int row = 0; row < height; ++row) {
        const int64_t ty = int64_t(y) + row;
        if (ty < 0 || ty >= kSurfaceHeight) continue;
        for (int col = 0; col < width; ++col) {
            const int64_t tx = int64_t(x) + col;
            if (tx < 0 || tx >= kSurfaceWidth) continue;
            const uint32_t p = image.pixels[size_t(row) * image.width + col];
            surface.at(int(tx), int(ty)) = rgb565((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    }
}

void loadBitmap(Surface& surface, const char* fileName, int32_t x, int32_t y,
                int32_t width, int32_t height) {
    platform::Image image;
    if (!platform::loadBmp(nativePath(fileName).c_str(), image)) {
        char message[512];
        std::snprintf(message, sizeof message, "%s ファイルが見つかりません", fileName);
        fatalStop(message);
    }
    copyImage(surface, scaleImage(image, width, height), x, y);
}

void drawPart(Surface& destination, const BodyPart& part, const Surface& source) {
    blitClipped(destination, truncToInt(part.x), truncToInt(part.y), truncToInt(part.width),
                truncToInt(part.height), source, truncToInt(part.srcX), truncToInt(part.srcY), 1);
}

void drawRectOutline(Surface& destination, float x, float y, float width, float height, int colour) {
    const uint32_t pixel = uint32_t(colour) * 65280u + 255u;
    const float bottom = y + height;
    const float right = x + width;
    fillRect(destination, truncToInt(x), truncToInt(y), truncToInt(width), 1, pixel);
    fillRect(destination, truncToInt(x), truncToInt(bottom), truncToInt(width), 1, pixel);
    fillRect(destination, truncToInt(x), truncToInt(y), 1, truncToInt(height), pixel);
    fillRect(destination, truncToInt(right), truncToInt(y), 1, truncToInt(height), pixel);
}

void drawPartOutline(const Body& body, const BodyPart& part, int colour) {
    const BodyPart r = resolvePart(body, part);
    drawRectOutline(backBuffer, r.x, r.y, r.width, r.height, colour);
}
