#include "editor.h"

#include <cstdint>

#include "commands.h"
#include "editor_trace.h"
#include "enemy_file.h"
#include "menu.h"
#include "mouse.h"
#include "part_edit.h"
#include "video.h"
#include "window.h"

EditorState editorState;

namespace {

constexpr int32_t kSpriteSize = 50;

void loadImages() {
    loadBitmap(effectsSurface, "lion.bmp", 0, 200, kSpriteSize, kSpriteSize);
    loadBitmap(effectsSurface, "lion_h.bmp", 50, 200, kSpriteSize, kSpriteSize);
    loadBitmap(effectsSurface, "lion_h-.bmp", 100, 200, kSpriteSize, kSpriteSize);
    loadBitmap(effectsSurface, "bloods2.bmp", 0, 0, 600, 100);
    loadBitmap(backgroundSurface, "gnd\\sakamiti.bmp", 0, 0, kSurfaceWidth, kSurfaceHeight);
}

void copyWhole(const Surface& source) {
    blitClipped(backBuffer, 0, 0, kSurfaceWidth, kSurfaceHeight, source, 0, 0, 0);
}

// TEST shows the assembled figure over the ground, the other rows the sheet.
void drawView(const EditorState& editor) {
    if (editor.menuSelection == kTestRow) {
        for (int i = kPartCount - 1; i >= 1; --i)
            previewPart(editor.body, editor.body.parts[i]);
    } else {
        copyWhole(sheetSurface);
    }
}

} // namespace

void startEditor(EditorState& editor) {
    createMainWindow("ubek_XQ", editorKeyDownHook);
    initVideo();
    initMouse(MouseVariant::Editor);
    // The system cursor is hidden by the display itself.
    loadImages();
    setColorKey(sheetSurface);
    setColorKey(spareSurface);
    setColorKey(effectsSurface);
    editor.enemyLoaded = 0;
}

void loadEnemyIfNeeded(EditorState& editor) {
    if (editor.enemyLoaded != 0) return;
    const int n = currentEnemy(editor);
    loadBody(editor.body, n);
    loadSheet(n);
    linkBodyForEdit(editor.body);
    editor.enemyLoaded = 1;
}

void composeEditorFrame(EditorState& editor) {
    loadEnemyIfNeeded(editor);
    pollMouse();
    editPartRect(editor);
    copyWhole(backgroundSurface);
    drawView(editor);
    stepEnemyKeys(editor);
    drawEditorCursor();
    if (editor.menuSelection == kRelinkRow) editor.relinkArmed = 1;
    runRowCommand(editor);
    drawMenuTexts(editor);
}

void runEditor() {
    installEditorTrace();
    startEditor(editorState);
    for (;;) {
        const uint32_t frameStart = readTimer();
        composeEditorFrame(editorState);
        endFrame(frameStart);
    }
}
