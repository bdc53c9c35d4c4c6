#include "part_edit.h"

#include <cstdint>
#include <cstdio>

#include "mouse.h"
#include "surface.h"
#include "video.h"

namespace {

constexpr int32_t kCursorSize = 50;
constexpr int32_t kOpenHandX = 0;
constexpr int32_t kGripHandX = 50;
constexpr int32_t kHandY = 200;

// Pointer arithmetic wraps in 16 bits, as the position is stored.
int16_t addWrapped(int16_t position, int32_t move) {
    const uint32_t sum = static_cast<uint32_t>(position) + static_cast<uint32_t>(move);
    return static_cast<int16_t>(static_cast<uint16_t>(sum));
}

int16_t clampTo(int16_t value, int16_t high) {
    if (value < 0) return 0;
    if (value > high) return high;
    return value;
}

void movePointer() {
    mouse.mouseX = addWrapped(mouse.mouseX, mouse.moveX);
    mouse.mouseY = addWrapped(mouse.mouseY, mouse.moveY);
    mouse.moveX = 0;
    mouse.moveY = 0;
    mouse.mouseX = clampTo(mouse.mouseX, kSurfaceWidth);
    mouse.mouseY = clampTo(mouse.mouseY, kSurfaceHeight);
}

} // namespace

void loadSheet(int n) {
    clearSurface(sheetSurface);
    char name[32];
    std::snprintf(name, sizeof name, "body\\ene%d.bmp", n);
    loadBitmap(sheetSurface, name, 0, 0, 0, 0);
}

void editPartRect(EditorState& editor) {
    movePointer();
    const int index = selectedPart(editor);
    if (index < 0) return;
    BodyPart& part = editor.body.parts[index];
    const float pointerX = mouse.mouseX;
    const float pointerY = mouse.mouseY;
    if (mouse.leftButton == 1) {
        part.srcX = pointerX;
        part.srcY = pointerY;
    }
    if (mouse.rightButton == 1) {
        part.width = pointerX - part.srcX;
        part.height = pointerY - part.srcY;
    }
}

void drawSheetOutline(const BodyPart& part, int highlighted) {
    drawRectOutline(backBuffer, part.srcX, part.srcY, part.width, part.height, highlighted);
}

void previewPart(const Body& body, const BodyPart& part) {
    const BodyPart scratch = resolvePart(body, part);
    drawPart(backBuffer, scratch, sheetSurface);
}

void drawEditorCursor() {
    const int32_t sourceX = mouse.leftButton == 0 ? kOpenHandX : kGripHandX;
    blitClipped(backBuffer, mouse.mouseX, mouse.mouseY, kCursorSize, kCursorSize,
                effectsSurface, sourceX, kHandY, 1);
}
