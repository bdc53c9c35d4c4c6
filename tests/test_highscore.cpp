// The high-score file: reading files that are missing, short, long or hold
// NaN; writing the 44 bytes in place of the old file; and where a closed
// run leaves the best score.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "highscore.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes floatBytes(float v) {
    uint32_t w;
    std::memcpy(&w, &v, 4);
    return {static_cast<unsigned char>(w), static_cast<unsigned char>(w >> 8),
            static_cast<unsigned char>(w >> 16), static_cast<unsigned char>(w >> 24)};
}

// A 44-byte file image: score, elapsed, timeUp, then 32 marked bytes.
Bytes fileImage(float score, float elapsed, float timeUp) {
    Bytes out = floatBytes(score);
    for (float v : {elapsed, timeUp}) {
        const Bytes b = floatBytes(v);
        out.insert(out.end(), b.begin(), b.end());
    }
    for (int i = 0; i < 32; ++i) out.push_back(static_cast<unsigned char>(0xA0 + i));
    return out;
}

// Runs each test in a fresh working folder, as the game does in its data folder.
class HighScoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = std::filesystem::current_path();
        dir = makeTempDir("qmx_highscore_");
        std::filesystem::current_path(dir);
    }
    void TearDown() override { std::filesystem::current_path(home); }

    std::filesystem::path home;
    std::string dir;
};

} // namespace

TEST_F(HighScoreTest, MissingFileChangesNothing) {
    ScoreRecord record{};
    record.score = 7.0f;
    readHighScore(record);
    EXPECT_EQ(record.score, 7.0f);
}

TEST_F(HighScoreTest, ShortFileReplacesOnlyTheBytesItHas) {
    ScoreRecord record{};
    record.elapsed = 9.37f;
    record.timeUp = 2.0f;
    Bytes bytes = fileImage(12.0f, 31.123f, 1.0f);
    bytes.resize(6);   // the score and half of elapsed
    writeBytes("QMX_j.dat", bytes);
    readHighScore(record);
    EXPECT_EQ(record.score, 12.0f);
    // elapsed: its low two bytes from the file, its high two as they were.
    const Bytes before = floatBytes(9.37f);
    const Bytes after = floatBytes(record.elapsed);
    EXPECT_EQ(after, (Bytes{bytes[4], bytes[5], before[2], before[3]}));
    EXPECT_EQ(record.timeUp, 2.0f);
}

TEST_F(HighScoreTest, LongFileGivesItsFirst44Bytes) {
    Bytes bytes = fileImage(99.0f, 30.05f, 1.0f);
    bytes.push_back(0x55);
    writeBytes("QMX_j.dat", bytes);
    ScoreRecord record{};
    readHighScore(record);
    EXPECT_EQ(record.score, 99.0f);
    EXPECT_EQ(record.elapsed, 30.05f);
    EXPECT_EQ(record.rest[31], 0xA0 + 31);
}

TEST_F(HighScoreTest, WriteReplacesTheFileWithTheRecordsBytes) {
    writeBytes("QMX_j.dat", Bytes(100, 0x11));   // an old, longer file
    ScoreRecord record{};
    const Bytes image = fileImage(42.0f, 30.0499f, 1.0f);
    record.score = 42.0f;
    record.elapsed = 30.0499f;
    record.timeUp = 1.0f;
    std::memcpy(record.rest, image.data() + 12, 32);
    writeHighScore(record);
    EXPECT_EQ(readBytes("QMX_j.dat"), image);
    // Nothing but the file is left in the folder.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(HighScoreTest, ClosedRunLeavesTheBetterScore) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float best, run, expectBest;
    } cases[] = {
        {5.0f, 3.0f, 5.0f},     // lower: the run's record takes the best
        {5.0f, 8.0f, 8.0f},     // higher: a new best
        {5.0f, 5.0f, 5.0f},
        {0.0f, 0.0f, 0.0f},
        {nan, 3.0f, 3.0f},      // a damaged file's NaN gives way to a real score
        {5.0f, nan, 5.0f},
        {-2.0f, 0.0f, 0.0f},
    };
    for (const auto& c : cases) {
        GameState game;
        game.bestScore = c.best;
        game.scoreRecord.score = c.run;
        settleBestScore(game);
        EXPECT_EQ(game.bestScore, c.expectBest) << c.best << " vs " << c.run;
        EXPECT_EQ(game.scoreRecord.score, c.expectBest) << c.best << " vs " << c.run;
    }
}

TEST_F(HighScoreTest, NanBestStillLetsARealScoreBeStored) {
    writeBytes("QMX_j.dat", fileImage(std::numeric_limits<float>::quiet_NaN(), 30.1f, 1.0f));
    GameState game;
    readHighScore(game.scoreRecord);
    game.bestScore = game.scoreRecord.score;
    ASSERT_TRUE(std::isnan(game.bestScore));
    game.scoreRecord.score = 4.0f;
    settleBestScore(game);
    writeHighScore(game.scoreRecord);

    ScoreRecord again{};
    readHighScore(again);
    EXPECT_EQ(again.score, 4.0f);
}
