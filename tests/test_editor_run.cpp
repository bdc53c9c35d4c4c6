// The editor program run headless from a script: marking a rectangle and
// saving it, the menu keys through the real window procedure, a save into a
// folder that refuses it; and the game playing the enemy the editor saved.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "enemy_file.h"
#include "locked_folder.h"
#include "program_run.h"
#include "trace_reader.h"

namespace {

std::string writeScript(const std::string& dir, const std::string& text) {
    const std::string file = dir + "/script.txt";
    writeBytes(file, std::vector<unsigned char>(text.begin(), text.end()));
    return file;
}

// Head row, then the head's rectangle from (100, 50) to (160, 120), then
// back up to SAVE and B for one frame.
const char kMarkHeadAndSave[] =
    "0 keydown DOWN\n0 keydown DOWN\n0 keydown DOWN\n0 keyup DOWN\n"
    "1 move -100 -150\n1 press left\n"
    "2 release left\n"
    "3 move 60 70\n3 press right\n"
    "4 release right\n"
    "5 keydown UP\n5 keydown UP\n5 keydown UP\n5 keyup UP\n"
    "6 keydown B\n"
    "7 keyup B\n";

void expectHeadRect(const TracePart& p) {
    EXPECT_EQ(p.srcX, 100.0f);
    EXPECT_EQ(p.srcY, 50.0f);
    EXPECT_EQ(p.width, 60.0f);
    EXPECT_EQ(p.height, 70.0f);
}

class EditorRun : public ::testing::Test {
protected:
    void SetUp() override {
        dir = makeTempDir("qmx_editor_run_");
        writeTinyDataSet(dir);
        trace = dir + "/trace.jsonl";
    }
    std::vector<Json> run(const std::string& script, int frames, ProgramResult& result) {
        result = runHeadless(EDITOR_BINARY, dir, frames, writeScript(dir, script), trace);
        std::string errors;
        std::vector<Json> lines = readTrace(trace, &errors);
        EXPECT_TRUE(errors.empty()) << errors;
        return lines;
    }
    std::string dir;
    std::string trace;
};

TEST_F(EditorRun, MarksARectangleAndSavesIt) {
    ProgramResult result;
    const std::vector<Json> lines = run(kMarkHeadAndSave, 9, result);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.err.empty()) << result.err;
    ASSERT_EQ(lines.size(), 9u);

    // First frame: enemy 0 loaded, the pointer at its start.
    const std::vector<TraceText> first = traceTexts(lines[0]);
    EXPECT_NE(findText(first, "x=200"), nullptr);
    EXPECT_NE(findText(first, "y=200"), nullptr);
    EXPECT_EQ(traceInt(lines[0], "enemyLoaded"), 1);
    EXPECT_EQ(traceInt(lines[0], "menuSelection"), 3);
    const TraceText* cursor = findText(first, "->");
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->y, 80);

    expectHeadRect(traceParts(lines[8])[head]);
    EXPECT_EQ(traceInt(lines[8], "menuSelection"), 0);

    const std::vector<unsigned char> bytes = readBytes(dir + "/body/QMXD_ene 0.dat");
    ASSERT_EQ(bytes.size(), 528u);
    Body saved{};
    decodeBody(saved, bytes.data(), bytes.size());
    EXPECT_EQ(saved.parts[head].srcX, 100.0f);
    EXPECT_EQ(saved.parts[head].srcY, 50.0f);
    EXPECT_EQ(saved.parts[head].width, 60.0f);
    EXPECT_EQ(saved.parts[head].height, 70.0f);
    EXPECT_EQ(saved.parts[head].life, 4.0f);
}

#ifdef GAME_BINARY
TEST_F(EditorRun, GamePlaysTheSavedEnemy) {
    ProgramResult result;
    run(kMarkHeadAndSave, 9, result);
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const std::string gameTrace = dir + "/game.jsonl";
    const ProgramResult game = runHeadless(GAME_BINARY, dir, 5,
                                           writeScript(dir, "1 press left\n2 release left\n"),
                                           gameTrace, {"--seed", "1"});
    EXPECT_EQ(game.exitCode, 0) << game.err;
    const std::vector<Json> lines = readTrace(gameTrace);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(traceInt(lines[4], "mode"), 1);
    EXPECT_EQ(traceInt(lines[4], "stageLoaded"), 1);
    expectHeadRect(traceParts(lines[4])[head]);
}
#endif

TEST_F(EditorRun, MenuKeysThroughTheWindow) {
    // Up held on row 0 takes back a down press (frame 1); after its release,
    // twelve downs reach row 12, and two more within one frame pass row 13.
    std::string script = "0 keydown UP\n1 keydown DOWN\n1 keyup DOWN\n2 keyup UP\n";
    for (int i = 0; i < 12; ++i) script += "3 keydown NUMPAD2\n";
    script += "3 keyup NUMPAD2\n5 keydown DOWN\n5 keydown DOWN\n5 keyup DOWN\n";
    ProgramResult result;
    const std::vector<Json> lines = run(script, 7, result);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    ASSERT_EQ(lines.size(), 7u);
    const int expected[] = {0, 0, 0, 12, 12, 14, 14};
    for (int f = 0; f < 7; ++f) EXPECT_EQ(traceInt(lines[f], "menuSelection"), expected[f]) << f;
    for (int f = 0; f < 7; ++f) EXPECT_EQ(traceInt(lines[f], "relinkArmed"), 0) << f;
}

TEST_F(EditorRun, SaveIntoALockedFolderKeepsTheFileAndRuns) {
    const std::vector<unsigned char> before = readBytes(dir + "/body/QMXD_ene 0.dat");
    LockedFolder lock(dir + "/body");
    if (!lock.locked()) GTEST_SKIP() << "cannot make a folder unwritable here";
    ProgramResult result;
    const std::vector<Json> lines = run("0 keydown B\n", 10, result);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(lines.size(), 10u);
    EXPECT_EQ(readBytes(dir + "/body/QMXD_ene 0.dat"), before);
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

TEST_F(EditorRun, EscapeEndsWithCode1) {
    ProgramResult result;
    const std::vector<Json> lines = run("2 keydown ESCAPE\n", 10, result);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(lines.size(), 2u);
}

TEST_F(EditorRun, MissingSheetStopsWithItsMessage) {
    std::remove((dir + "/body/ene1.bmp").c_str());
    ProgramResult result;
    run("1 keydown RIGHT\n2 keyup RIGHT\n", 10, result);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("body\\ene1.bmp"), std::string::npos) << result.err;
}

} // namespace
