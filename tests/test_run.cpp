// The command line both programs share.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run.h"

namespace {

struct Parsed {
    bool ok;
    RunOptions options;
    std::string error;
};

Parsed parseArgs(std::vector<std::string> args) {
    args.insert(args.begin(), "game");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    Parsed p;
    p.ok = parseCommandLine(int(args.size()), argv.data(), p.options, p.error);
    return p;
}

TEST(CommandLine, NothingGivenIsTheDesktopGame) {
    const Parsed p = parseArgs({});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_FALSE(p.options.headless);
    EXPECT_FALSE(p.options.windowed);
    EXPECT_EQ(p.options.scale, 1);
    EXPECT_FALSE(p.options.seedGiven);
}

TEST(CommandLine, AHeadlessRunWithEverything) {
    const Parsed p = parseArgs({"--headless", "--frames", "30", "--script", "in.txt", "--trace", "t.jsonl",
                                "--shot", "2:f.png", "--shot", "29:dir/last frame.png", "--data", "d",
                                "--seed", "4294967295"});
    ASSERT_TRUE(p.ok) << p.error;
    const RunOptions& o = p.options;
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.frames, 30);
    EXPECT_EQ(o.script, "in.txt");
    EXPECT_EQ(o.trace, "t.jsonl");
    ASSERT_EQ(o.shots.size(), 2u);
    EXPECT_EQ(o.shots[0].frame, 2);
    EXPECT_EQ(o.shots[0].path, "f.png");
    EXPECT_EQ(o.shots[1].frame, 29);
    EXPECT_EQ(o.shots[1].path, "dir/last frame.png");
    EXPECT_EQ(o.dataDir, "d");
    EXPECT_TRUE(o.seedGiven);
    EXPECT_EQ(o.seed, 4294967295u);
}

TEST(CommandLine, DesktopOptions) {
    const Parsed p = parseArgs({"--windowed", "--scale", "3", "--data", "/x", "--seed", "0", "--help"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_TRUE(p.options.windowed);
    EXPECT_EQ(p.options.scale, 3);
    EXPECT_TRUE(p.options.seedGiven);
    EXPECT_EQ(p.options.seed, 0u);
    EXPECT_TRUE(p.options.help);
    EXPECT_TRUE(parseArgs({"-h"}).options.help);
}

TEST(CommandLine, ShotFileMayHoldAColon) {
    const Parsed p = parseArgs({"--headless", "--frames", "1", "--shot", "0:C:/shots/a.png"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.options.shots[0].frame, 0);
    EXPECT_EQ(p.options.shots[0].path, "C:/shots/a.png");
}

TEST(CommandLine, RejectedCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {"--headless"},                                   // needs --frames
        {"--headless", "--script", "in.txt"},
        {"--frames", "5"},                                // needs --headless
        {"--script", "in.txt"},
        {"--trace", "t.jsonl"},
        {"--shot", "1:f.png"},
        {"--headless", "--frames", "0"},
        {"--headless", "--frames", "-3"},
        {"--headless", "--frames", "abc"},
        {"--headless", "--frames", "5x"},
        {"--headless", "--frames", ""},
        {"--headless", "--frames", "99999999999999999999"},
        {"--headless", "--frames"},                       // value missing
        {"--headless", "--frames", "1", "--shot", "f.png"},
        {"--headless", "--frames", "1", "--shot", ":f.png"},
        {"--headless", "--frames", "1", "--shot", "1:"},
        {"--headless", "--frames", "1", "--shot", "-1:f.png"},
        {"--headless", "--frames", "1", "--shot", "x:f.png"},
        {"--scale", "0"},
        {"--scale", "17"},
        {"--scale", "two"},
        {"--seed", "-1"},
        {"--seed", "4294967296"},
        {"--seed", "12abc"},
        {"--fullscreen"},
        {"--bogus", "1"},
        {"game.exe"},
    };
    for (const auto& args : bad) {
        std::string line;
        for (const std::string& a : args) line += a + " ";
        SCOPED_TRACE(line);
        const Parsed p = parseArgs(args);
        EXPECT_FALSE(p.ok);
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(CommandLine, UsageNamesTheProgramAndTheSeedOnlyWhenAsked) {
    const std::string game = usageText("game", true);
    const std::string editor = usageText("editor", false);
    EXPECT_NE(game.find("game --headless --frames N"), std::string::npos) << game;
    EXPECT_NE(game.find("--seed"), std::string::npos);
    EXPECT_EQ(editor.find("--seed"), std::string::npos) << editor;
    EXPECT_NE(editor.find("--shot F:FILE.png"), std::string::npos) << editor;
}

}  // namespace
