#include "hand.h"

#include "mouse.h"
#include "video.h"

namespace {

constexpr int kSpriteSize = 25;
constexpr int kSpriteRow = 200;
constexpr int kOpenHandX = 0;
constexpr int kClosedHandX = 25;
constexpr int kHoldingX = 50;

void drawSprite(int sourceX) {
    blitClipped(backBuffer, mouse.mouseX, mouse.mouseY, kSpriteSize, kSpriteSize, effectsSurface,
                sourceX, kSpriteRow, 1);
}

} // namespace

void drawHandCursor(const GameState& game) {
    drawSprite(mouse.leftButton == 0 ? kOpenHandX : kClosedHandX);
    if (grabbedPart(game) >= 0) drawSprite(kHoldingX);
}
