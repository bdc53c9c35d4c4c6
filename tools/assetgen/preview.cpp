#include "preview.h"

Image linkedFigureOver(const Image& ground, const RenderedFigure& figure) {
    Image out = ground;
    // The soul's place after linking: left arm width across, right foot on the bottom row.
    const int soulX = figure.rects[leftArm].w;
    const int soulY = kSheetHeight - (figure.rects[rightFoot].y + figure.rects[rightFoot].h);
    for (int part = kPartCount - 1; part >= 1; --part) {
        const Rect& r = figure.rects[part];
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                const int dx = soulX + x, dy = soulY + y;
                if (figure.sheet.isBlack(x, y) || dx < 0 || dy < 0 || dx >= out.width || dy >= out.height) continue;
                const uint8_t* src = figure.sheet.at(x, y);
                uint8_t* dst = out.at(dx, dy);
                dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
            }
    }
    return out;
}
