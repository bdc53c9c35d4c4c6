// Headless runs of the real game binary on a tiny data set: the title, each
// mode, the readouts, the score-attack countdown and its close into the
// high-score file, the stage cycle, the outline keys, and a sound file that
// cannot be loaded.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "body.h"
#include "data_fixture.h"
#include "enemy_file.h"
#include "program_run.h"
#include "trace_reader.h"

namespace {

using Bytes = std::vector<unsigned char>;

const char* const kRemaining = "あと=";
const char* const kFinished = "終了 -> space!";

Bytes scoreFile(float score, unsigned char restMark) {
    Bytes out(44, restMark);
    std::memcpy(out.data(), &score, 4);
    const float elapsed = 30.05f, timeUp = 1.0f;
    std::memcpy(out.data() + 4, &elapsed, 4);
    std::memcpy(out.data() + 8, &timeUp, 4);
    return out;
}

float floatAt(const Bytes& bytes, std::size_t offset) {
    float v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

class GameRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = makeTempDir("qmx_game_run_");
        writeTinyDataSet(dir);
    }

    // Runs the game for `frames` frames with the script; the trace lines.
    std::vector<Json> play(int frames, const std::string& script, ProgramResult* result = nullptr) {
        writeBytes(dir + "/script.txt", Bytes(script.begin(), script.end()));
        const ProgramResult r = runHeadless(GAME_BINARY, dir, frames, dir + "/script.txt", dir + "/trace.jsonl",
                                            {"--seed", "1"});
        if (result) *result = r;
        EXPECT_EQ(r.exitCode, 0) << r.err;
        std::string errors;
        std::vector<Json> lines = readTrace(dir + "/trace.jsonl", &errors);
        EXPECT_EQ(errors, "");
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(frames));
        return lines;
    }

    std::string dir;
};

bool hasReadouts(const Json& line) {
    return hasTextStartingWith(line, "FPS=") || hasTextStartingWith(line, "SOUL x=");
}

} // namespace

TEST_F(GameRunTest, TitleShowsGreetingModesAndHighScore) {
    writeBytes(dir + "/QMX_j.dat", scoreFile(123.0f, 0));
    const auto lines = play(2, "1 press middle\n");
    const auto texts = traceTexts(lines[0]);
    ASSERT_EQ(texts.size(), 4u);
    const struct {
        const char* text;
        int x, y, r, g, b;
    } expected[] = {
        {"Hello!! QMX world!!", 100, 180, 255, 255, 255},
        {"normal mode ->L Click!", 200, 220, 255, 255, 255},
        {"score attack mode ->R Click!", 200, 260, 255, 255, 255},
        {"HIGH SCORE= 123", 300, 280, 255, 0, 0},
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_EQ(texts[i].x, expected[i].x);
        EXPECT_EQ(texts[i].y, expected[i].y);
        EXPECT_EQ((std::vector<int>{texts[i].r, texts[i].g, texts[i].b}),
                  (std::vector<int>{expected[i].r, expected[i].g, expected[i].b}));
    }
    for (const Json& line : lines) {
        EXPECT_EQ(traceInt(line, "mode"), 0);   // the middle button chooses nothing
        EXPECT_EQ(traceNumber(line, "bestScore"), 123.0);
        EXPECT_EQ(traceInt(line, "held"), -1);
        EXPECT_EQ(line["blood"].kind, Json::Array);
        EXPECT_EQ(line["sounds"].kind, Json::Array);
        for (const char* key : {"stage", "stageLoaded", "showOutlines", "score", "elapsed", "timeUp", "bleedCounter"})
            EXPECT_TRUE(line.has(key)) << key;
    }
}

TEST_F(GameRunTest, ButtonsEnterEachMode) {
    const struct {
        const char* script;
        int mode;
    } cases[] = {
        {"1 press left\n", 1},
        {"1 press right\n", 2},
        {"1 press left\n1 press right\n", 2},
        {"1 press left\n1 move 3 0\n", 0},    // moved after the press: reads 2
        {"1 move 3 0\n1 press left\n", 1},
    };
    for (const auto& c : cases) {
        const auto lines = play(4, c.script);
        EXPECT_EQ(traceInt(lines[0], "mode"), 0) << c.script;
        EXPECT_EQ(traceInt(lines[3], "mode"), c.mode) << c.script;
        if (c.mode == 0) continue;
        const Json& first = lines[2];   // the first frame of play
        EXPECT_EQ(traceInt(first, "stage"), 0);
        EXPECT_EQ(traceInt(first, "stageLoaded"), 1);
        const auto texts = traceTexts(first);
        const TraceText* stage = findText(texts, "     0");
        ASSERT_NE(stage, nullptr) << c.script;
        EXPECT_EQ(stage->x, 523);
        EXPECT_EQ(stage->y, 33);
        EXPECT_EQ((std::vector<int>{stage->r, stage->g, stage->b}), (std::vector<int>{255, 12, 13}));
        // Only score attack shows a score and a clock.
        EXPECT_EQ(hasTextStartingWith(first, "score="), c.mode == 2) << c.script;
        EXPECT_EQ(hasTextStartingWith(first, kRemaining), c.mode == 2) << c.script;
        EXPECT_FALSE(hasTextStartingWith(first, "HIGH SCORE"));
    }
}

TEST_F(GameRunTest, ReadoutsOnlyInPlayWhileTheRightButtonIsHeld) {
    // Right held on the title (frame 1 enters score attack) and on into the
    // first frame of play, released, then held again in play.
    const auto lines = play(8, "1 press right\n3 release right\n5 press right\n7 release right\n");
    const bool shown[] = {false, false, true, false, false, true, true, false};
    for (int f = 0; f < 8; ++f) EXPECT_EQ(hasReadouts(lines[f]), shown[f]) << f;
    const auto texts = traceTexts(lines[5]);
    const TraceText* fps = findText(texts, "FPS=1000.00");
    ASSERT_NE(fps, nullptr);
    EXPECT_EQ(fps->x, 26);
    EXPECT_EQ(fps->y, 420);
    EXPECT_EQ((std::vector<int>{fps->r, fps->g, fps->b}), (std::vector<int>{100, 255, 100}));
    const double soulX = lines[5]["parts"][0]["x"].num();
    char soul[64];
    std::snprintf(soul, sizeof soul, "SOUL x=%4.2f", soulX);
    const TraceText* soulText = findText(texts, soul);
    ASSERT_NE(soulText, nullptr) << soul;
    EXPECT_EQ(soulText->x, 400);
    EXPECT_EQ(soulText->y, 20);
}

TEST_F(GameRunTest, CountdownReachesZeroAtFrame600AndEndsAfter601) {
    const auto lines = play(605, "1 press right\n2 release right\n");
    // Trace frame k + 1 is the k-th frame of play.
    const struct {
        int playFrame;
        const char* text;
    } expected[] = {
        {1, "あと=29.95秒"}, {600, "あと=0.00秒"}, {601, "あと=-0.05秒"}, {602, kFinished}, {603, kFinished},
    };
    for (const auto& e : expected) {
        const Json& line = lines[e.playFrame + 1];
        const auto texts = traceTexts(line);
        const TraceText* t = findText(texts, e.text);
        ASSERT_NE(t, nullptr) << e.playFrame;
        const bool finished = std::string(e.text) == kFinished;
        EXPECT_EQ(t->x, finished ? 250 : 20);
        EXPECT_EQ(t->y, finished ? 256 : 446);
        EXPECT_EQ(hasTextStartingWith(line, kRemaining), !finished) << e.playFrame;
        const TraceText* score = findText(texts, "score=   0");
        ASSERT_NE(score, nullptr);
        EXPECT_EQ(score->x, 550);
        EXPECT_EQ(score->y, 446);
    }
    EXPECT_EQ(traceNumber(lines[601], "timeUp"), 0.0);
    EXPECT_EQ(traceNumber(lines[602], "timeUp"), 1.0);
    EXPECT_EQ(traceInt(lines[604], "mode"), 2);   // play goes on until space
}

TEST_F(GameRunTest, ClosingARunStoresTheBestScoreForTheNextStart) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        bool file;
        float stored;
        float best;   // what the file and the title hold afterwards
        const char* title;
    } cases[] = {
        {"lower run", true, 5.0f, 5.0f, "HIGH SCORE=   5"},
        {"higher run", true, -3.0f, 0.0f, "HIGH SCORE=   0"},
        {"NaN best", true, nan, 0.0f, "HIGH SCORE=   0"},
        {"no file", false, 0.0f, 0.0f, "HIGH SCORE=   0"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(dir + "/QMX_j.dat");
        if (c.file) writeBytes(dir + "/QMX_j.dat", scoreFile(c.stored, 0x5A));
        const auto lines =
            play(612, "1 press right\n2 release right\n610 keydown SPACE\n611 keyup SPACE\n");
        EXPECT_EQ(traceInt(lines[609], "mode"), 2) << c.name;
        EXPECT_EQ(traceInt(lines[610], "mode"), 0) << c.name;
        EXPECT_NE(findText(traceTexts(lines[611]), c.title), nullptr) << c.name;

        const Bytes stored = readBytes(dir + "/QMX_j.dat");
        ASSERT_EQ(stored.size(), 44u) << c.name;
        EXPECT_EQ(floatAt(stored, 0), c.best) << c.name;
        EXPECT_EQ(floatAt(stored, 4), static_cast<float>(traceNumber(lines[610], "elapsed"))) << c.name;
        EXPECT_GT(floatAt(stored, 4), 30.0f);
        EXPECT_EQ(floatAt(stored, 8), 1.0f) << c.name;
        EXPECT_EQ(Bytes(stored.begin() + 12, stored.end()), Bytes(32, c.file ? 0x5A : 0)) << c.name;

        // The next start shows it.
        const auto next = play(1, "");
        EXPECT_NE(findText(traceTexts(next[0]), c.title), nullptr) << c.name;
    }
}

TEST_F(GameRunTest, NormalModeNeverWritesTheHighScore) {
    const auto lines = play(620, "1 press left\n2 release left\n610 keydown SPACE\n");
    EXPECT_EQ(traceInt(lines[619], "mode"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir + "/QMX_j.dat"));
}

TEST_F(GameRunTest, RightButtonCyclesTheEightEnemies) {
    // Every enemy's torso has run out of life, so it comes off at once; the
    // head's width tells the enemies apart.
    for (int n = 0; n < 8; ++n) {
        Body body{};
        for (int i = 1; i < kPartCount; ++i) {
            body.parts[i].srcX = kTinyFigure[i].srcX;
            body.parts[i].srcY = kTinyFigure[i].srcY;
            body.parts[i].width = kTinyFigure[i].width;
            body.parts[i].height = kTinyFigure[i].height;
        }
        body.parts[head].width = 20.0f + n;
        linkBodyForEdit(body);
        body.parts[torso].life = -1.0f;
        unsigned char bytes[kEnemyFileSize];
        encodeBody(body, bytes);
        char name[32];
        std::snprintf(name, sizeof name, "/body/QMXD_ene%2d.dat", n);
        writeBytes(dir + name, Bytes(bytes, bytes + kEnemyFileSize));
    }
    const auto lines = play(16, "1 press left\n2 release left\n4 press right\n");
    // Frames 2 and 3: the first enemy is finished and waits for the button.
    EXPECT_NE(findText(traceTexts(lines[3]), "click R button"), nullptr);
    EXPECT_EQ(traceInt(lines[3], "stage"), 0);
    // From frame 4 the held button takes one stage per frame.
    for (int f = 4; f < 16; ++f) {
        const int stage = f - 3;
        EXPECT_EQ(traceInt(lines[f], "stage"), stage) << f;
        // Each frame loads the enemy of the previous stage count.
        EXPECT_EQ(lines[f]["parts"][head]["width"].num(), 20.0 + (stage - 1) % 8) << f;
    }
    const auto texts = traceTexts(lines[12]);
    EXPECT_NE(findText(texts, "     9"), nullptr);
    const TraceText* click = findText(texts, "click R button");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(click->x, 333);
    EXPECT_EQ(click->y, 240);
}

TEST_F(GameRunTest, BAndSpaceSwitchTheOutlines) {
    const auto lines = play(11, "1 press left\n3 keydown B\n5 keydown SPACE\n7 keyup SPACE\n9 keyup B\n");
    const int expected[] = {0, 0, 0, 1, 1, 0, 0, 1, 1, 1, 1};
    for (int f = 0; f < 11; ++f) EXPECT_EQ(traceInt(lines[f], "showOutlines"), expected[f]) << f;
}

TEST_F(GameRunTest, SoundFileThatCannotBeLoadedEndsTheStartWithItsName) {
    const struct {
        const char* file;
        bool broken;
        const char* message;
    } cases[] = {
        {"wave2/himei5.wav", false, "wave2\\himei5.wav ファイルが見つかりません"},
        {"wave2/Kill.wav", true, "wave2\\Kill.wav ファイルが見つかりません"},
    };
    for (const auto& c : cases) {
        writeTinyDataSet(dir);
        if (c.broken)
            writeBytes(dir + "/" + c.file, Bytes{'R', 'I', 'F', 'F', 99, 0, 0, 0, 'W', 'A', 'V', 'E'});
        else
            std::filesystem::remove(dir + "/" + c.file);
        const ProgramResult r = runHeadless(GAME_BINARY, dir, 3, "", dir + "/trace.jsonl");
        EXPECT_EQ(r.exitCode, 1) << c.file;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(readTrace(dir + "/trace.jsonl").empty());   // no frame ran
    }
}
