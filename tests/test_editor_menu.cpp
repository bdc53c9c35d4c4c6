// The menu keys (arrows move the cursor inside the key-down handling), the
// enemy keys (held arrows step one enemy per frame) and the menu's texts.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands.h"
#include "editor_fixture.h"
#include "editor_state.h"
#include "editor_trace.h"
#include "menu.h"
#include "mouse.h"
#include "trace.h"
#include "trace_reader.h"
#include "video.h"
#include "window.h"

namespace {

class MenuKeys : public ::testing::Test {
protected:
    void SetUp() override { clearKeys(); }
    void TearDown() override { clearKeys(); }
    EditorState editor;
};

TEST_F(MenuKeys, OneRowPerKeyDownAndNotPastTheEnds) {
    struct Case {
        int32_t row;
        int key;
        int32_t rowAfter;
        uint8_t flagAfter;   // the arrow's flag after its key-down message
    };
    const Case cases[] = {
        {0, VK_DOWN, 1, 0},
        {13, VK_DOWN, 14, 0},
        {14, VK_DOWN, 14, 1},   // at the end: no move, the flag stays set
        {5, VK_UP, 4, 0},
        {1, VK_UP, 0, 0},
        {0, VK_UP, 0, 1},
        {7, VK_B, 7, 1},        // other keys leave the cursor alone
    };
    for (const Case& c : cases) {
        clearKeys();
        editor.menuSelection = c.row;
        keyDownMessage(editor, c.key);
        EXPECT_EQ(editor.menuSelection, c.rowAfter) << "row " << c.row << " key " << c.key;
        EXPECT_EQ(keyState[c.key], c.flagAfter) << "row " << c.row << " key " << c.key;
    }
}

TEST_F(MenuKeys, HeldDownArrowRepeatsOneRowPerMessage) {
    editor.menuSelection = 10;
    for (int repeat = 0; repeat < 6; ++repeat) keyDownMessage(editor, VK_DOWN);
    EXPECT_EQ(editor.menuSelection, kTestRow);
    EXPECT_EQ(keyState[VK_DOWN], 1);   // the last repeats found the end
    keyUpMessage(VK_DOWN);
    EXPECT_EQ(keyState[VK_DOWN], 0);
}

TEST_F(MenuKeys, UpHeldOnTopRowTakesBackADownPress) {
    keyDownMessage(editor, VK_UP);
    ASSERT_EQ(keyState[VK_UP], 1);
    keyDownMessage(editor, VK_DOWN);
    EXPECT_EQ(editor.menuSelection, 0);
    EXPECT_EQ(keyState[VK_DOWN], 0);
    EXPECT_EQ(keyState[VK_UP], 1);

    // Once the up arrow is let go, down works again.
    keyUpMessage(VK_UP);
    keyDownMessage(editor, VK_DOWN);
    EXPECT_EQ(editor.menuSelection, 1);
}

TEST_F(MenuKeys, HookWorksOnTheProgramWideState) {
    editorState = EditorState{};
    keyState[VK_DOWN] = 1;
    editorKeyDownHook(VK_DOWN);
    EXPECT_EQ(editorState.menuSelection, 1);
    editorState = EditorState{};
}

TEST_F(MenuKeys, TwoStepsFromRow12WithinAFrameSkipTheRelink) {
    Body linked{};
    linkBodyForEdit(linked);
    editor.body = linked;
    editor.body.parts[soul].x = 77.0f;   // as LOAD might have left it
    editor.menuSelection = 12;
    keyDownMessage(editor, VK_DOWN);
    keyDownMessage(editor, VK_DOWN);
    ASSERT_EQ(editor.menuSelection, kTestRow);

    runRowCommand(editor);
    EXPECT_EQ(editor.body.parts[soul].x, 77.0f);   // not relinked
    EXPECT_EQ(editor.relinkArmed, 0);
}

struct EnemyStep {
    int32_t index;
    bool right, left;
    int32_t indexAfter;
    int enemyAfter;
    int32_t loadedAfter;
};

class EnemyKeys : public ::testing::TestWithParam<EnemyStep> {
protected:
    void TearDown() override { clearKeys(); }
};

TEST_P(EnemyKeys, StepsTheCounter) {
    const EnemyStep& s = GetParam();
    EditorState editor;
    editor.enemyIndex = s.index;
    editor.enemyLoaded = 1;
    clearKeys();
    keyState[VK_RIGHT] = s.right;
    keyState[VK_LEFT] = s.left;
    stepEnemyKeys(editor);
    EXPECT_EQ(editor.enemyIndex, s.indexAfter);
    EXPECT_EQ(currentEnemy(editor), s.enemyAfter);
    EXPECT_EQ(editor.enemyLoaded, s.loadedAfter);
}

INSTANTIATE_TEST_SUITE_P(Editor, EnemyKeys, ::testing::Values(
    EnemyStep{0, false, false, 0, 0, 1},
    EnemyStep{0, true, false, 1, 1, 0},
    EnemyStep{7, true, false, 8, 0, 0},     // no upper bound: 8 is enemy 0
    EnemyStep{9, true, false, 10, 2, 0},
    EnemyStep{0, false, true, 7, 7, 0},     // left from 0 wraps to 7
    EnemyStep{8, false, true, 7, 7, 0},
    EnemyStep{3, true, true, 3, 3, 0},      // both: same enemy, reloaded
    EnemyStep{INT32_MAX, true, false, 0, 0, 0}));   // enemy 7 -> 0, no overflow

TEST(EnemyKeysHeld, OneEnemyPerFrameWhileHeld) {
    EditorState editor;
    clearKeys();
    keyState[VK_RIGHT] = 1;
    for (int frame = 0; frame < 3; ++frame) stepEnemyKeys(editor);
    EXPECT_EQ(editor.enemyIndex, 3);
    clearKeys();
}

// The texts of one frame's menu, as the trace records them.
std::vector<TraceText> drawnMenu(EditorState& editor) {
    const std::string dir = makeTempDir("qmx_editor_menu_");
    const std::string file = dir + "/trace.jsonl";
    EXPECT_TRUE(openTrace(file.c_str()));
    setTraceSource(&editor.body, nullptr);
    drawMenuTexts(editor);
    writeTraceLine(0);
    closeTrace();
    const std::vector<Json> lines = readTrace(file);
    EXPECT_EQ(lines.size(), 1u);
    return lines.empty() ? std::vector<TraceText>{} : traceTexts(lines[0]);
}

TEST(MenuTexts, RowsCursorReadoutsAndHint) {
    EditorState editor;
    editor.menuSelection = 4;
    editor.body.parts[soul].x = 12.4f;
    editor.body.parts[soul].y = 479.6f;
    mouse.mouseX = 640;
    mouse.mouseY = 0;
    const std::vector<TraceText> texts = drawnMenu(editor);
    resetMouseDevice();

    struct Expected {
        int x, y, r, g, b;
        const char* text;
    };
    const Expected expected[] = {
        {500, 20, 150, 150, 150, "SAVE"},
        {500, 40, 150, 150, 150, "LOAD"},
        {500, 60, 150, 150, 150, "RESET"},
        {500, 80, 255, 255, 255, "頭"},
        {500, 100, 255, 255, 255, "胴体"},
        {500, 120, 255, 255, 255, "股"},
        {500, 140, 255, 255, 255, "右の腕（上）"},
        {500, 160, 255, 255, 255, "〃の手"},
        {500, 180, 255, 255, 255, "左の腕"},
        {500, 200, 255, 255, 255, "〃の手"},
        {500, 220, 255, 255, 255, "右の脚"},
        {500, 240, 255, 255, 255, "〃の足"},
        {500, 260, 255, 255, 255, "左の脚"},
        {500, 280, 255, 255, 255, "〃の足"},
        {500, 300, 255, 255, 150, "TEST"},
        {480, 100, 166, 200, 255, "->"},
        {480, 400, 255, 255, 255, "x=640"},
        {480, 420, 255, 255, 255, "y=0"},
        {480, 440, 255, 255, 255, "soul x y=12 480"},
        {500, 460, 255, 255, 150, "矢印で敵画像変更"},
    };
    ASSERT_EQ(texts.size(), std::size(expected));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_EQ(texts[i].text, e.text) << i;
        EXPECT_EQ(texts[i].x, e.x) << e.text;
        EXPECT_EQ(texts[i].y, e.y) << e.text;
        EXPECT_EQ(texts[i].r, e.r) << e.text;
        EXPECT_EQ(texts[i].g, e.g) << e.text;
        EXPECT_EQ(texts[i].b, e.b) << e.text;
    }
}

TEST(MenuTexts, SoulReadoutOfAHugeOrBrokenSoulStaysOneLine) {
    EditorState editor;
    editor.body.parts[soul].x = 3.0e38f;
    editor.body.parts[soul].y = -3.0e38f;
    const std::vector<TraceText> texts = drawnMenu(editor);
    const TraceText* soulText = nullptr;
    for (const TraceText& t : texts)
        if (t.text.rfind("soul x y=", 0) == 0) soulText = &t;
    ASSERT_NE(soulText, nullptr);
    EXPECT_EQ(soulText->text.size(), std::string("soul x y=").size() + 39 + 1 + 40);
}

TEST(EditorTrace, AddsTheEditorKeys) {
    editorState = EditorState{};
    editorState.menuSelection = 13;
    editorState.enemyIndex = 9;
    editorState.enemyLoaded = 1;
    editorState.relinkArmed = 1;
    const std::string file = makeTempDir("qmx_editor_trace_") + "/trace.jsonl";
    ASSERT_TRUE(openTrace(file.c_str()));
    installEditorTrace();
    writeTraceLine(5);
    closeTrace();
    const std::vector<Json> lines = readTrace(file);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(traceInt(lines[0], "menuSelection"), 13);
    EXPECT_EQ(traceInt(lines[0], "enemyIndex"), 9);
    EXPECT_EQ(traceInt(lines[0], "enemyLoaded"), 1);
    EXPECT_EQ(traceInt(lines[0], "relinkArmed"), 1);
    EXPECT_EQ(lines[0]["parts"].size(), 12u);
    editorState = EditorState{};
}

} // namespace
