// A score attack played by the real game binary from a script: the hand
// drives the figure into the top-left corner, grabs its torso and pulls it
// off; the trace shows the points, the scream, the blood and the prompt, and
// the right button brings on the next enemy.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "program_run.h"
#include "trace_reader.h"

namespace {

// The tiny figure's soul starts at (20, 355). From below and to the right
// of it the hand chases it into the top-left corner, where the push-back
// keeps it within 8 pixels; its torso (35..65, 20..60 from the soul) then
// always covers (54, 44). One count moves the hand 1.5 pixels.
const char kPullTheTorsoOff[] =
    "0 press right\n"            // score attack
    "1 release right\n"
    "1 move -67 200\n"           // hand to (100, 480)
    "90 move -31 -291\n"         // hand to (54, 44), onto the torso
    "92 press left\n"            // grab
    "93 movex -1\n94 movex -1\n95 movex -1\n96 movex -1\n97 movex -1\n"
    "100 press right\n"          // next enemy
    "101 release right\n";
constexpr int kFrames = 104;

bool hasSoundIn(const Json& line, int low, int high) {
    const Json& sounds = line["sounds"];
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const int buffer = sounds[static_cast<int>(i)]["buffer"].asInt();
        if (buffer >= low && buffer <= high) return true;
    }
    return false;
}

bool showsClickR(const Json& line) {
    const auto texts = traceTexts(line);
    return findText(texts, "click R button") != nullptr;
}

TEST(FightRun, PullingTheTorsoOffScoresScreamsBleedsAndEndsTheEnemy) {
    const std::string dir = makeTempDir("qmx_fight_run_");
    writeTinyDataSet(dir);
    const std::string script = dir + "/script.txt";
    writeBytes(script, std::vector<unsigned char>(kPullTheTorsoOff,
                                                  kPullTheTorsoOff + sizeof kPullTheTorsoOff - 1));
    const std::string tracePath = dir + "/trace.jsonl";
    const ProgramResult run = runHeadless(GAME_BINARY, dir, kFrames, script, tracePath, {"--seed", "7"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string errors;
    const std::vector<Json> trace = readTrace(tracePath, &errors);
    ASSERT_EQ(trace.size(), static_cast<std::size_t>(kFrames)) << errors;

    // The grab holds the torso while it is pulled.
    EXPECT_EQ(traceInt(trace[92], "held"), 2);
    EXPECT_EQ(traceParts(trace[92])[2].parent, 1);
    EXPECT_EQ(traceParts(trace[95])[2].life, 1.0f);

    // Torn off in the fifth pulling frame, still held.
    const Json& before = trace[96];
    const Json& tear = trace[97];
    EXPECT_EQ(traceNumber(before, "score"), 0.0);
    EXPECT_FALSE(showsClickR(before));
    EXPECT_EQ(traceParts(tear)[2].parent, -1);
    EXPECT_EQ(traceParts(tear)[3].parent, 2) << "the hips come away with it";
    EXPECT_EQ(traceParts(tear)[1].parent, 0) << "the head stays on the soul";
    EXPECT_EQ(traceNumber(tear, "score"), 300.0);
    EXPECT_TRUE(hasSoundIn(tear, 12, 19)) << "a scream";
    EXPECT_TRUE(hasSoundIn(tear, 0, 11)) << "a hit";
    EXPECT_EQ(tear["blood"].size(), 1u);
    EXPECT_TRUE(showsClickR(tear));
    EXPECT_EQ(traceInt(tear, "held"), 2);
    EXPECT_EQ(traceInt(tear, "bleedCounter"), 300) << "the head is still on";

    // The prompt stays until the right button; then enemy 1 stands whole.
    EXPECT_TRUE(showsClickR(trace[99]));
    EXPECT_EQ(traceInt(trace[100], "stage"), 1);
    EXPECT_EQ(traceInt(trace[101], "stageLoaded"), 1);
    EXPECT_EQ(traceParts(trace[101])[2].parent, 1);
    EXPECT_EQ(traceInt(trace[101], "held"), -1);
    EXPECT_FALSE(showsClickR(trace[101]));
    EXPECT_EQ(traceNumber(trace[103], "score"), 300.0);
}

} // namespace
