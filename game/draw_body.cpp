#include "draw_body.h"

#include "video.h"

void jitterPart(Rng& rng, BodyPart& copy) {
    if (copy.hold != 1 || !hasParent(copy)) return;
    const int32_t r1 = nextRandom(rng);
    copy.x += static_cast<float>(5 - (r1 * 10) / 32767);
    const int32_t r2 = nextRandom(rng);
    copy.y += static_cast<float>(5 - (r2 * 10) / 32767);
}

void drawBodyPart(GameState& game, int partIndex) {
    BodyPart copy = game.body.parts[partIndex];
    jitterPart(game.rng, copy);
    const BodyPart resolved = resolvePart(game.body, copy);
    drawPart(backBuffer, resolved, sheetSurface);
}
