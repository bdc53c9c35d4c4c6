// Whole editor frames on the tiny data set: the start-up, enemy loading and
// stepping, the two views and the relink on the way into TEST.
#include <cstdint>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "editor.h"
#include "editor_fixture.h"
#include "enemy_file.h"
#include "surface.h"
#include "video.h"

namespace {

// The colour the tiny data set paints part i of enemy n's sheet with.
uint16_t sheetColour(int part, int enemy) {
    const uint32_t rgb = 0x101010u * static_cast<uint32_t>(part) + 0x200000u * static_cast<uint32_t>(enemy) + 0x0F;
    return rgb565(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
}

// A pixel inside the torso's rectangle on the sheet.
int torsoX() { return static_cast<int>(kTinyFigure[torso].srcX) + 1; }
int torsoY() { return static_cast<int>(kTinyFigure[torso].srcY) + 1; }

class EditorFrame : public EditorFolder {
protected:
    void SetUp() override {
        EditorFolder::SetUp();
        startEditor(editor);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) composeEditorFrame(editor);
    }
    void selectRow(int32_t row) {
        while (editor.menuSelection < row) keyDownMessage(editor, VK_DOWN);
        keyUpMessage(VK_DOWN);
    }
};

TEST_F(EditorFrame, FirstFrameLoadsAndLinksEnemy0) {
    EXPECT_EQ(editor.enemyLoaded, 0);
    frames(1);
    EXPECT_EQ(editor.enemyLoaded, 1);
    Body expected{};
    loadBody(expected, 0);
    linkBodyForEdit(expected);
    EXPECT_EQ(std::memcmp(&expected, &editor.body, sizeof expected), 0);

    // Sheet view: the sheet, unkeyed, hides the ground everywhere.
    EXPECT_EQ(sheetSurface.at(torsoX(), torsoY()), sheetColour(torso, 0));
    EXPECT_EQ(backBuffer.at(torsoX(), torsoY()), sheetColour(torso, 0));
    EXPECT_EQ(backBuffer.at(300, 10), 0);
}

TEST_F(EditorFrame, HeldRightArrowLoadsEachEnemyInTurn) {
    frames(1);
    keyState[VK_RIGHT] = 1;
    for (int enemy = 1; enemy <= 3; ++enemy) {
        frames(1);   // steps the counter; the next frame loads
        EXPECT_EQ(editor.enemyIndex, enemy);
        EXPECT_EQ(editor.enemyLoaded, 0);
        EXPECT_EQ(sheetSurface.at(torsoX(), torsoY()), sheetColour(torso, enemy - 1));
    }
    keyState[VK_RIGHT] = 0;
    frames(1);
    EXPECT_EQ(editor.enemyLoaded, 1);
    EXPECT_EQ(sheetSurface.at(torsoX(), torsoY()), sheetColour(torso, 3));
}

TEST_F(EditorFrame, EnemyWithoutAFileKeepsTheRectanglesAndRelinks) {
    frames(1);
    std::remove(path("body/QMXD_ene 1.dat").c_str());
    editor.body.parts[leftArm].width = 33.0f;   // the soul starts at the arm's width
    editor.body.parts[soul].x = 0.0f;
    keyState[VK_RIGHT] = 1;
    frames(1);
    keyState[VK_RIGHT] = 0;
    frames(1);
    EXPECT_EQ(editor.body.parts[leftArm].width, 33.0f);
    EXPECT_EQ(editor.body.parts[soul].x, 33.0f);
    EXPECT_EQ(sheetSurface.at(torsoX(), torsoY()), sheetColour(torso, 1));
}

TEST_F(EditorFrame, TestViewShowsTheFigureOnTheGround) {
    frames(1);
    selectRow(kRelinkRow);
    frames(1);
    EXPECT_EQ(editor.relinkArmed, 1);
    keyDownMessage(editor, VK_DOWN);
    keyUpMessage(VK_DOWN);
    frames(1);
    EXPECT_EQ(editor.relinkArmed, 0);

    const BodyPart& soulPart = editor.body.parts[soul];
    const int x = static_cast<int>(soulPart.x) + torsoX();
    const int y = static_cast<int>(soulPart.y) + torsoY();
    EXPECT_EQ(backBuffer.at(x, y), sheetColour(torso, 0));
    EXPECT_EQ(backBuffer.at(300, 10), rgb565(0x80, 0x60, 0x20));   // gnd\sakamiti.bmp
}

TEST_F(EditorFrame, AnEditShowsInTestOnlyAfterTheRelink) {
    frames(1);
    selectRow(kRelinkRow);
    frames(1);
    // Move the torso's rectangle on the sheet by pressing the left button
    // with the pointer 10 pixels right of it.
    mouse.mouseX = static_cast<int16_t>(kTinyFigure[torso].srcX + 10);
    mouse.mouseY = static_cast<int16_t>(kTinyFigure[torso].srcY);
    const float oldOffset = editor.body.parts[torso].x;
    editor.menuSelection = 4;   // torso (no key message: a direct pick)
    mouse.leftButton = 1;
    frames(1);
    mouse.leftButton = 0;
    EXPECT_EQ(editor.body.parts[torso].x, oldOffset);   // not relinked yet
    selectRow(kRelinkRow);
    frames(1);
    keyDownMessage(editor, VK_DOWN);
    keyUpMessage(VK_DOWN);
    frames(1);
    EXPECT_EQ(editor.body.parts[torso].x, oldOffset + 10.0f);
}

} // namespace
