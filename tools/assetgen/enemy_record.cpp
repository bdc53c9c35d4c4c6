#include "enemy_record.h"
#include "enemy_file.h"

std::vector<uint8_t> enemyFileBytes(const RenderedFigure& figure) {
    Body body{};
    for (int i = 1; i < kPartCount; ++i) {
        BodyPart& p = body.parts[i];
        p.srcX = float(figure.rects[i].x);
        p.srcY = float(figure.rects[i].y);
        p.width = float(figure.rects[i].w);
        p.height = float(figure.rects[i].h);
    }
    linkBodyForEdit(body);
    std::vector<uint8_t> bytes(kEnemyFileSize);
    encodeBody(body, bytes.data());
    return bytes;
}
