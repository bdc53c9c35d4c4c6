#include "menu.h"

#include <cstdint>
#include <cstdio>

#include "mouse.h"
#include "video.h"
#include "window.h"

namespace {

struct MenuRow {
    const char* label;   // Shift-JIS
    int red, green, blue;
};

const MenuRow kMenu[kMenuRows] = {
    {"SAVE", 150, 150, 150},
    {"LOAD", 150, 150, 150},
    {"RESET", 150, 150, 150},
    {"\x93\xaa", 255, 255, 255},                                  // 頭
    {"\x93\xb7\x91\xcc", 255, 255, 255},                          // 胴体
    {"\x8c\xd2", 255, 255, 255},                                  // 股
    {"\x89\x45\x82\xcc\x98\x72\x81\x69\x8f\xe3\x81\x6a", 255, 255, 255},  // 右の腕（上）
    {"\x81\x56\x82\xcc\x8e\xe8", 255, 255, 255},                  // 〃の手
    {"\x8d\xb6\x82\xcc\x98\x72", 255, 255, 255},                  // 左の腕
    {"\x81\x56\x82\xcc\x8e\xe8", 255, 255, 255},                  // 〃の手
    {"\x89\x45\x82\xcc\x8b\x72", 255, 255, 255},                  // 右の脚
    {"\x81\x56\x82\xcc\x91\xab", 255, 255, 255},                  // 〃の足
    {"\x8d\xb6\x82\xcc\x8b\x72", 255, 255, 255},                  // 左の脚
    {"\x81\x56\x82\xcc\x91\xab", 255, 255, 255},                  // 〃の足
    {"TEST", 255, 255, 150},
};

// 矢印で敵画像変更 (the arrow keys change the enemy image)
const char kHint[] = "\x96\xee\x88\xf3\x82\xc5\x93\x47\x89\xe6\x91\x9c\x95\xcf\x8d\x58";

constexpr int32_t kMenuX = 500;
constexpr int32_t kReadoutX = 480;

int32_t rowY(int32_t row) { return 20 * row + 20; }

// Room for two floats printed whole, the largest has 39 digits.
char textBuffer[128];

void drawWhite(int32_t x, int32_t y, const char* text) {
    drawText(backBuffer, x, y, text, 255, 255, 255);
}

} // namespace

void menuKeyDown(EditorState& editor, int code) {
    if (getKeyDown() != 0 && editor.menuSelection < kTestRow) {
        keyState[code & 0xFF] = 0;
        editor.menuSelection += 1;
    }
    if (getKeyUp() != 0 && editor.menuSelection > kRowSave) {
        keyState[code & 0xFF] = 0;
        editor.menuSelection -= 1;
    }
}

void editorKeyDownHook(int code) { menuKeyDown(editorState, code); }

void stepEnemyKeys(EditorState& editor) {
    if (getKeyRight() != 0) {
        editor.enemyLoaded = 0;
        // No upper bound, but never past the int range: the largest counter
        // is enemy 7, so the next one is enemy 0.
        editor.enemyIndex = editor.enemyIndex == INT32_MAX ? 0 : editor.enemyIndex + 1;
    }
    if (getKeyLeft() != 0) {
        editor.enemyLoaded = 0;
        editor.enemyIndex -= 1;
    }
    if (editor.enemyIndex < 0) editor.enemyIndex += kEnemyCount;
}

void drawMenuTexts(const EditorState& editor) {
    for (int32_t row = 0; row < kMenuRows; ++row) {
        const MenuRow& item = kMenu[row];
        drawText(backBuffer, kMenuX, rowY(row), item.label, item.red, item.green, item.blue);
    }
    drawText(backBuffer, kReadoutX, rowY(editor.menuSelection), "->", 166, 200, 255);

    std::snprintf(textBuffer, sizeof textBuffer, "x=%d", mouse.mouseX);
    drawWhite(kReadoutX, 400, textBuffer);
    std::snprintf(textBuffer, sizeof textBuffer, "y=%d", mouse.mouseY);
    drawWhite(kReadoutX, 420, textBuffer);
    const BodyPart& soulPart = editor.body.parts[soul];
    std::snprintf(textBuffer, sizeof textBuffer, "soul x y=%.0f %.0f",
                  static_cast<double>(soulPart.x), static_cast<double>(soulPart.y));
    drawWhite(kReadoutX, 440, textBuffer);

    drawText(backBuffer, 500, 460, kHint, 255, 255, 150);
}
