// SAVE, LOAD, RESET and the TEST relink, on enemy files in a temporary
// working folder.
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands.h"
#include "editor_fixture.h"
#include "enemy_file.h"

namespace {

const char kEnemy3[] = "body/QMXD_ene 3.dat";

class EditorCommands : public EditorFolder {
protected:
    void SetUp() override {
        EditorFolder::SetUp();
        editor.enemyIndex = 3;
        editor.enemyLoaded = 1;
        loadBody(editor.body, 3);
        linkBodyForEdit(editor.body);
    }
    std::vector<unsigned char> fileBytes(const char* name) const { return readBytes(path(name)); }
    std::vector<unsigned char> encoded() const {
        unsigned char bytes[kEnemyFileSize];
        encodeBody(editor.body, bytes);
        return std::vector<unsigned char>(bytes, bytes + kEnemyFileSize);
    }
    // The selected row's work in a frame with B down.
    void withB() {
        keyState[VK_B] = 1;
        runRowCommand(editor);
        keyState[VK_B] = 0;
    }
};

TEST_F(EditorCommands, SaveWritesTheWholeBodyUnderTheEnemyNumber) {
    editor.enemyIndex = 11;   // enemy 3
    editor.body.parts[head].srcX = 123.0f;
    editor.body.parts[head].width = -7.0f;
    withB();
    const std::vector<unsigned char> bytes = fileBytes(kEnemy3);
    ASSERT_EQ(bytes.size(), 528u);
    EXPECT_EQ(bytes, encoded());

    Body back{};
    decodeBody(back, bytes.data(), bytes.size());
    EXPECT_EQ(back.parts[head].srcX, 123.0f);
    EXPECT_EQ(back.parts[head].width, -7.0f);
    EXPECT_EQ(back.parts[head].life, 4.0f);
    EXPECT_EQ(back.parts[soul].hold, kSoulHold);
}

TEST_F(EditorCommands, SaveIntoAMissingFileCreatesIt) {
    std::remove(path("body/QMXD_ene 0.dat").c_str());
    editor.enemyIndex = 0;
    withB();
    EXPECT_EQ(fileBytes("body/QMXD_ene 0.dat"), encoded());
}

TEST_F(EditorCommands, BDoesNothingOnPartRowsAndTest) {
    const std::vector<unsigned char> before = fileBytes(kEnemy3);
    editor.body.parts[head].srcX = 99.0f;
    const Body edited = editor.body;
    for (int32_t row = kFirstPartRow; row <= kTestRow; ++row) {
        editor.menuSelection = row;
        withB();
    }
    EXPECT_EQ(fileBytes(kEnemy3), before);
    EXPECT_EQ(editor.body.parts[head].srcX, 99.0f);
    EXPECT_EQ(editor.body.parts[leftFoot].srcX, edited.parts[leftFoot].srcX);
}

TEST_F(EditorCommands, NothingWithoutB) {
    const std::vector<unsigned char> before = fileBytes(kEnemy3);
    editor.body.parts[head].srcX = 99.0f;
    for (int32_t row : {kRowSave, kRowLoad, kRowReset}) {
        editor.menuSelection = row;
        runRowCommand(editor);
    }
    EXPECT_EQ(fileBytes(kEnemy3), before);
    EXPECT_EQ(editor.body.parts[head].srcX, 99.0f);
}

// In the frame in which an arrow changed the enemy, the figure shown is still
// the old one: saving it would overwrite the next enemy's file with it.
TEST_F(EditorCommands, HeldSaveWaitsForTheNextEnemyToLoad) {
    const std::vector<unsigned char> enemy4 = fileBytes("body/QMXD_ene 4.dat");
    editor.body.parts[head].srcX = 55.0f;
    editor.enemyIndex = 4;
    editor.enemyLoaded = 0;
    for (int32_t row : {kRowSave, kRowLoad, kRowReset}) {
        editor.menuSelection = row;
        withB();
    }
    EXPECT_EQ(fileBytes("body/QMXD_ene 4.dat"), enemy4);
    EXPECT_EQ(editor.body.parts[head].srcX, 55.0f);
}

TEST_F(EditorCommands, FailedSaveKeepsTheOldFileAndIsToldOnce) {
    const std::vector<unsigned char> before = fileBytes(kEnemy3);
    editor.body.parts[head].srcX = 321.0f;
    LockedFolder lock(path("body"));
    if (!lock.locked()) GTEST_SKIP() << "cannot make a folder unwritable here";

    testing::internal::CaptureStderr();
    for (int frame = 0; frame < 3; ++frame) withB();
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(fileBytes(kEnemy3), before);
    EXPECT_TRUE(editor.saveFailureReported);
    EXPECT_NE(err.find("QMXD_ene 3.dat"), std::string::npos) << err;
    ASSERT_FALSE(err.empty());
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;   // exactly one line
}

TEST_F(EditorCommands, LoadReadsTheFileWithoutRelinking) {
    // A file whose soul was stored somewhere no linking would put it.
    Body stored = editor.body;
    stored.parts[soul].x = 333.0f;
    stored.parts[soul].y = 22.0f;
    stored.parts[head].srcX = 44.0f;
    stored.parts[head].x = 1.5f;
    unsigned char bytes[kEnemyFileSize];
    encodeBody(stored, bytes);
    writeBytes(path(kEnemy3), std::vector<unsigned char>(bytes, bytes + kEnemyFileSize));

    editor.body.parts[rightArm].parent = linkTo(hips);   // a link of ours, not the file's
    editor.menuSelection = kRowLoad;
    withB();
    EXPECT_EQ(editor.body.parts[soul].x, 333.0f);
    EXPECT_EQ(editor.body.parts[soul].y, 22.0f);
    EXPECT_EQ(editor.body.parts[head].srcX, 44.0f);
    EXPECT_EQ(editor.body.parts[head].x, 1.5f);
    EXPECT_EQ(editor.body.parts[rightArm].parent, linkTo(hips));
}

TEST_F(EditorCommands, LoadOfAMissingFileChangesNothing) {
    std::remove(path(kEnemy3).c_str());
    const Body before = editor.body;
    editor.menuSelection = kRowLoad;
    withB();
    EXPECT_EQ(std::memcmp(&before, &editor.body, sizeof before), 0);
}

TEST_F(EditorCommands, ResetThenTestRelinksAnEmptyFigure) {
    editor.body.parts[soul].x = 50.0f;
    editor.menuSelection = kRowReset;
    withB();
    for (int i = 0; i < kPartCount; ++i) {
        EXPECT_EQ(editor.body.parts[i].width, 0.0f) << i;
        EXPECT_EQ(editor.body.parts[i].life, 4.0f) << i;
    }
    EXPECT_EQ(editor.body.parts[soul].x, 50.0f);   // positions stay until the relink

    editor.relinkArmed = 1;    // a frame ran on row 13
    editor.menuSelection = kTestRow;
    runRowCommand(editor);
    EXPECT_EQ(editor.relinkArmed, 0);
    EXPECT_EQ(editor.body.parts[soul].x, 0.0f);
    EXPECT_EQ(editor.body.parts[soul].y, 480.0f);

    // Staying on TEST links nothing again.
    editor.body.parts[soul].x = 9.0f;
    runRowCommand(editor);
    EXPECT_EQ(editor.body.parts[soul].x, 9.0f);
}

} // namespace
