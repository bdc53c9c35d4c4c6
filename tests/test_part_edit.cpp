// The pointer, the rectangle set with the two mouse buttons, the outlines on
// the sheet view, the assembled preview and the hand cursor.
#include <cstdint>

#include <gtest/gtest.h>

#include "editor_state.h"
#include "mouse.h"
#include "part_edit.h"
#include "surface.h"
#include "video.h"

namespace {

constexpr uint16_t kBlue = 0x00FF;
constexpr uint16_t kWhite = 0xFFFF;

class PartEdit : public ::testing::Test {
protected:
    void SetUp() override { resetMouseDevice(); }
    void TearDown() override { resetMouseDevice(); }

    // One frame's edit after the mouse moved by (dx, dy) with the buttons as given.
    void frame(int32_t dx, int32_t dy, int32_t left, int32_t right) {
        mouse.moveX += dx;
        mouse.moveY += dy;
        mouse.leftButton = left;
        mouse.rightButton = right;
        editPartRect(editor);
    }
    const BodyPart& part(int i) const { return editor.body.parts[i]; }

    EditorState editor;
};

TEST_F(PartEdit, PointerFollowsTheCountsAndStaysOnTheScreen) {
    struct Case {
        int16_t x, y;
        int32_t dx, dy;
        int16_t xAfter, yAfter;
    };
    const Case cases[] = {
        {200, 200, 10, -5, 210, 195},
        {600, 450, 100, 100, 640, 480},     // both far ends are included
        {10, 10, -50, -50, 0, 0},
        {640, 480, 0, 0, 640, 480},
        {200, 200, 65536 + 5, -65536, 205, 200},   // 16-bit arithmetic
        {200, 200, 32767, 0, 0, 200},              // wraps negative, then held at 0
    };
    for (const Case& c : cases) {
        mouse.mouseX = c.x;
        mouse.mouseY = c.y;
        frame(c.dx, c.dy, 0, 0);
        EXPECT_EQ(mouse.mouseX, c.xAfter) << c.x << "+" << c.dx;
        EXPECT_EQ(mouse.mouseY, c.yAfter) << c.y << "+" << c.dy;
        EXPECT_EQ(mouse.moveX, 0);
        EXPECT_EQ(mouse.moveY, 0);
    }
}

TEST_F(PartEdit, LeftButtonPlacesAndRightButtonSizes) {
    editor.menuSelection = 3;   // head
    frame(-100, -150, 1, 0);    // pointer at (100, 50)
    frame(0, 0, 0, 0);
    frame(60, 70, 0, 1);        // (160, 120)
    EXPECT_EQ(part(head).srcX, 100.0f);
    EXPECT_EQ(part(head).srcY, 50.0f);
    EXPECT_EQ(part(head).width, 60.0f);
    EXPECT_EQ(part(head).height, 70.0f);

    // Holding the left button drags the rectangle; its size stays.
    frame(5, -3, 1, 0);
    EXPECT_EQ(part(head).srcX, 165.0f);
    EXPECT_EQ(part(head).srcY, 117.0f);
    EXPECT_EQ(part(head).width, 60.0f);
    EXPECT_EQ(part(head).height, 70.0f);
}

TEST_F(PartEdit, RightButtonLeftOfOrAboveTheOriginGivesNegativeSizes) {
    editor.menuSelection = 13;   // leftFoot
    frame(0, 0, 1, 0);           // origin (200, 200)
    frame(-60, 0, 0, 1);
    EXPECT_EQ(part(leftFoot).width, -60.0f);
    EXPECT_EQ(part(leftFoot).height, 0.0f);
    frame(30, -90, 0, 1);        // the right button drags the far corner
    EXPECT_EQ(part(leftFoot).width, -30.0f);
    EXPECT_EQ(part(leftFoot).height, -90.0f);
}

TEST_F(PartEdit, BothButtonsGiveAnEmptyRectangleAtThePointer) {
    editor.menuSelection = 6;    // rightArm
    editor.body.parts[rightArm].width = 40.0f;
    editor.body.parts[rightArm].height = 30.0f;
    frame(-20, 10, 1, 1);
    EXPECT_EQ(part(rightArm).srcX, 180.0f);
    EXPECT_EQ(part(rightArm).srcY, 210.0f);
    EXPECT_EQ(part(rightArm).width, 0.0f);
    EXPECT_EQ(part(rightArm).height, 0.0f);
}

TEST_F(PartEdit, OnlyThePartRowsEdit) {
    for (int32_t row : {0, 1, 2, 14}) {
        editor = EditorState{};
        editor.menuSelection = row;
        frame(-50, -50, 1, 1);
        for (int i = 0; i < kPartCount; ++i) {
            EXPECT_EQ(part(i).srcX, 0.0f) << "row " << row;
            EXPECT_EQ(part(i).width, 0.0f) << "row " << row;
        }
        resetMouseDevice();
    }
    for (int32_t row = 3; row <= 13; ++row) {
        editor = EditorState{};
        editor.menuSelection = row;
        frame(0, 0, 1, 0);
        for (int i = 0; i < kPartCount; ++i)
            EXPECT_EQ(part(i).srcX, i == row - 2 ? 200.0f : 0.0f) << "row " << row << " part " << i;
    }
}

// The outline of one rectangle on a cleared backBuffer.
class SheetOutline : public ::testing::Test {
protected:
    void SetUp() override { clearSurface(backBuffer); }
    void outline(float x, float y, float w, float h, int highlighted) {
        BodyPart p{};
        p.srcX = x;
        p.srcY = y;
        p.width = w;
        p.height = h;
        drawSheetOutline(p, highlighted);
    }
    int painted() const {
        int n = 0;
        for (uint16_t v : backBuffer.pixels) n += v != 0;
        return n;
    }
};

TEST_F(SheetOutline, FourEdgesTruncatedWithTheFarCornerOpen) {
    outline(10.7f, 20.2f, 30.5f, 40.9f, 0);
    // top (10, 20, 30, 1), bottom (10, 61, 30, 1), left (10, 20, 1, 40),
    // right (41, 20, 1, 40)
    for (int x = 10; x < 40; ++x) {
        EXPECT_EQ(backBuffer.at(x, 20), kBlue) << x;
        EXPECT_EQ(backBuffer.at(x, 61), kBlue) << x;
    }
    for (int y = 20; y < 60; ++y) {
        EXPECT_EQ(backBuffer.at(10, y), kBlue) << y;
        EXPECT_EQ(backBuffer.at(41, y), kBlue) << y;
    }
    EXPECT_EQ(backBuffer.at(41, 61), 0);
    EXPECT_EQ(backBuffer.at(40, 20), 0);
    EXPECT_EQ(painted(), 30 + 30 + 40 + 40 - 1);   // top and left share (10, 20)
}

TEST_F(SheetOutline, HighlightedIsWhite) {
    outline(5, 5, 3, 3, 1);
    EXPECT_EQ(backBuffer.at(5, 5), kWhite);
    EXPECT_EQ(backBuffer.at(8, 5), kWhite);
    EXPECT_EQ(backBuffer.at(5, 8), kWhite);
}

TEST_F(SheetOutline, EmptyAndNegativeExtents) {
    struct Case {
        float w, h;
        int pixels;
    };
    const Case cases[] = {
        {0, 0, 0},       // nothing at all
        {0, 10, 10},     // one vertical line (left and right edge coincide)
        {-20, 10, 20},   // only the two vertical edges
        {20, -10, 40},   // only the two horizontal edges
        {-20, -10, 0},
    };
    for (const Case& c : cases) {
        clearSurface(backBuffer);
        outline(100, 100, c.w, c.h, 0);
        EXPECT_EQ(painted(), c.pixels) << c.w << " x " << c.h;
    }
    clearSurface(backBuffer);
    outline(100, 100, -20, 10, 0);
    EXPECT_EQ(backBuffer.at(100, 105), kBlue);   // left edge at the origin
    EXPECT_EQ(backBuffer.at(80, 105), kBlue);    // right edge at origin + width
}

TEST_F(SheetOutline, ClippedAtTheScreenEdges) {
    outline(630, 470, 50, 50, 0);
    EXPECT_EQ(backBuffer.at(639, 470), kBlue);
    EXPECT_EQ(backBuffer.at(630, 479), kBlue);
    EXPECT_EQ(painted(), 10 + 10 - 1);
}

class PreviewPart : public ::testing::Test {
protected:
    void SetUp() override {
        clearSurface(backBuffer);
        clearSurface(sheetSurface);
        setColorKey(sheetSurface);
    }
};

TEST_F(PreviewPart, DrawsThePartWhereTheLinkedFigurePlacesIt) {
    Body body{};
    body.parts[head] = BodyPart{0, 0, 0, 0, 0, 0, 10, 5, 4, 3, 0};
    body.parts[rightFoot] = BodyPart{0, 0, 0, 0, 0, 0, 20, 17, 2, 3, 0};   // soul y 460
    body.parts[leftArm].width = 7.0f;                                       // soul x 7
    linkBodyForEdit(body);
    fillRect(sheetSurface, 10, 5, 4, 3, 0x1234);
    sheetSurface.at(11, 6) = 0;   // black on the sheet is transparent
    fillRect(backBuffer, 0, 0, 640, 480, 0x0F0F);

    previewPart(body, body.parts[head]);
    EXPECT_EQ(backBuffer.at(17, 465), 0x1234);   // soul (7, 460) + sheet origin
    EXPECT_EQ(backBuffer.at(20, 467), 0x1234);
    EXPECT_EQ(backBuffer.at(18, 466), 0x0F0F);
    EXPECT_EQ(backBuffer.at(21, 465), 0x0F0F);
    EXPECT_EQ(body.parts[head].x, 10.0f);        // the Body is not changed
}

TEST_F(PreviewPart, NoPictureForEmptyOrInvertedRectangles) {
    Body body{};
    body.parts[head] = BodyPart{0, 0, 0, 0, 0, 0, 10, 5, -4, 3, 0};
    linkBodyForEdit(body);
    fillRect(sheetSurface, 0, 0, 640, 480, 0x1234);
    previewPart(body, body.parts[head]);
    body.parts[head].width = 4.0f;
    body.parts[head].height = 0.0f;
    previewPart(body, body.parts[head]);
    for (uint16_t v : backBuffer.pixels) ASSERT_EQ(v, 0);
}

class EditorCursor : public PartEdit {
protected:
    void SetUp() override {
        PartEdit::SetUp();
        clearSurface(backBuffer);
        clearSurface(effectsSurface);
        setColorKey(effectsSurface);
        fillRect(effectsSurface, 0, 200, 50, 50, 0x1111);    // open hand
        fillRect(effectsSurface, 50, 200, 50, 50, 0x2222);   // gripping hand
        effectsSurface.at(0, 200) = 0;                       // a transparent pixel
    }
};

TEST_F(EditorCursor, OpenHandGripsWhileTheLeftButtonIsDown) {
    mouse.mouseX = 100;
    mouse.mouseY = 60;
    drawEditorCursor();
    EXPECT_EQ(backBuffer.at(101, 60), 0x1111);
    EXPECT_EQ(backBuffer.at(149, 109), 0x1111);
    EXPECT_EQ(backBuffer.at(100, 60), 0);        // keyed
    EXPECT_EQ(backBuffer.at(150, 60), 0);
    EXPECT_EQ(backBuffer.at(99, 60), 0);         // the pointer is the corner

    mouse.leftButton = 1;
    drawEditorCursor();
    EXPECT_EQ(backBuffer.at(100, 60), 0x2222);
}

TEST_F(EditorCursor, OffTheScreenAtTheRightEnd) {
    mouse.mouseX = 640;
    mouse.mouseY = 0;
    drawEditorCursor();
    for (uint16_t v : backBuffer.pixels) ASSERT_EQ(v, 0);
}

} // namespace
