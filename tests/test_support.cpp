// The test helpers themselves: the trace reader on the shapes the programs
// write, and the tiny data set's files.
#include <climits>
#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "enemy_file.h"
#include "program_run.h"
#include "trace_reader.h"

TEST(TraceReader, ReadsATraceLine) {
    const std::string text =
        R"({"frame":3,"mouse":{"x":200,"y":-1},"texts":[{"x":20,"y":446,"rgb":[255,12,13],)"
        R"("text":"\u3042\u3068=29.95\"ok\""}],"score":"nan","elapsed":-inf_is_not_json})";
    Json line;
    std::string error;
    EXPECT_FALSE(parseJson(text, line, error));   // a bare -inf is not JSON

    const std::string good =
        R"({"frame":3,"mouse":{"x":200,"y":-1},"texts":[{"x":20,"y":446,"rgb":[255,12,13],)"
        R"("text":"\u3042\u3068=29.95\"ok\""}],"score":"nan","elapsed":"-inf","held":-1,"blood":[]})";
    ASSERT_TRUE(parseJson(good, line, error)) << error;
    EXPECT_EQ(traceInt(line, "frame"), 3);
    EXPECT_EQ(line["mouse"]["y"].asInt(), -1);
    EXPECT_EQ(traceInt(line, "held"), -1);
    EXPECT_TRUE(std::isnan(traceNumber(line, "score")));
    EXPECT_EQ(traceNumber(line, "elapsed"), -INFINITY);
    EXPECT_EQ(line["blood"].size(), 0u);
    EXPECT_EQ(traceInt(line, "missing"), INT_MIN);

    const auto texts = traceTexts(line);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "あと=29.95\"ok\"");
    EXPECT_EQ(texts[0].g, 12);
    EXPECT_TRUE(hasTextStartingWith(line, "あと="));
    EXPECT_NE(findText(texts, "あと=29.95\"ok\""), nullptr);
}

TEST(TraceReader, RejectsBrokenLines) {
    for (const char* bad : {"", "{", "{\"a\":}", "[1,2", "{\"a\":1} x", "\"open"}) {
        Json value;
        std::string error;
        EXPECT_FALSE(parseJson(bad, value, error)) << bad;
    }
}

TEST(TinyDataSet, HoldsEveryFileTheProgramsOpen) {
    const std::string dir = makeTempDir("qmx_support_");
    writeTinyDataSet(dir);
    for (const char* name : {"lion.bmp", "lion_h.bmp", "lion_h-.bmp", "bloods2.bmp", "gnd/biru.bmp",
                             "gnd/n_nest.bmp", "gnd/sakamiti.bmp", "body/ene7.bmp", "body/QMXD_ene 0.dat",
                             "body/QMXD_ene 7.dat", "wave2/Kill.wav", "wave2/himei1.wav", "wave2/himei8.wav"})
        EXPECT_TRUE(std::filesystem::exists(dir + "/" + name)) << name;

    const auto enemy = readBytes(dir + "/body/QMXD_ene 3.dat");
    ASSERT_EQ(enemy.size(), static_cast<std::size_t>(kEnemyFileSize));
    Body body{};
    decodeBody(body, enemy.data(), enemy.size());
    EXPECT_EQ(body.parts[leftArm].width, kTinyFigure[leftArm].width);
    EXPECT_EQ(body.parts[soul].hold, kSoulHold);
    EXPECT_EQ(body.parts[head].life, 4.0f);

    const auto bmp = readBytes(dir + "/lion.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.size(), 54u + 25u * 76u);   // 25 rows of 75 bytes padded to 76
}

TEST(ProgramRun, CapturesExitCodeOutputAndFolder) {
    const std::string dir = makeTempDir("qmx_support_");
    const ProgramResult r =
        runProgram("/bin/sh", {"-c", "pwd; echo oops >&2; exit 3"}, dir, 10);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.out, std::filesystem::canonical(dir).string() + "\n");
    EXPECT_EQ(r.err, "oops\n");
}

TEST(ProgramRun, KillsARunThatOutlivesItsTimeout) {
    const ProgramResult r = runProgram("/bin/sh", {"-c", "sleep 30"}, ".", 1);
    EXPECT_TRUE(r.timedOut);
    EXPECT_EQ(r.exitCode, -1);
}
