// drawText: Shift-JIS strings drawn in the program font on a transparent
// background, and recorded for the trace.
#include <string>

#include "cp932.h"
#include "font.h"
#include "trace.h"
#include "video.h"

void drawText(Surface& surface, int32_t x, int32_t y, const char* text, int red, int green, int blue) {
    const std::string utf8 = cp932ToUtf8(text);
    red &= 0xFF;
    green &= 0xFF;
    blue &= 0xFF;
    if (tracing()) traceDrawnText(x, y, red, green, blue, utf8);
    if (utf8.empty()) return;
    const TextMask& mask = renderTextMask(utf8);
    const uint16_t colour = rgb565(red, green, blue);
    for (int row = 0; row < mask.height; ++row) {
        const int64_t ty = int64_t(y) + row;
        if (ty < 0 || ty >= kSurfaceHeight) continue;
        for (int col = 0; col < mask.width; ++col) {
            const int64_t tx = int64_t(x) + col;
            if (tx >= 0 && tx < kSurfaceWidth && mask.bits[size_t(row) * mask.width + col])
                surface.at(int(tx), int(ty)) = colour;
        }
    }
}
