// The game's spine driven frame by frame on a GameState: start-up, the
// title's buttons, stages and their cycle, the outline keys, the score-attack
// clock and its close, the tremble of a held part, the frame-rate figure.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "draw_body.h"
#include "enemy_file.h"
#include "game.h"
#include "highscore.h"
#include "mouse.h"
#include "platform/platform.h"
#include "play.h"
#include "soundbank.h"
#include "stage.h"
#include "title.h"
#include "video.h"
#include "window.h"

namespace {

uint16_t groundPixel(uint32_t rgb) { return rgb565(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

// A fresh working folder with the tiny data set, a headless backend, the
// mouse and keys at rest, and a started game.
class GameSpineTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = std::filesystem::current_path();
        dir = makeTempDir("qmx_spine_");
        writeTinyDataSet(dir);
        std::filesystem::current_path(dir);
        platform::useHeadless({});
        mouse = MouseState{};
        std::memset(keyState, 0, sizeof keyState);
    }
    void TearDown() override { std::filesystem::current_path(home); }

    void start(uint32_t seed = 1) {
        game = GameState{};
        startGame(game, seed);
    }

    void playFrames(int count) {
        for (int i = 0; i < count; ++i) playFrame(game, readTimer());
    }

    std::filesystem::path home;
    std::string dir;
    GameState game;
};

} // namespace

TEST_F(GameSpineTest, StartUpReadsTheHighScoreAndShowsTheFirstGround) {
    ScoreRecord stored{};
    stored.score = 12.0f;
    stored.rest[5] = 0x77;
    writeHighScore(stored);
    start();
    EXPECT_EQ(game.gameMode, Title);
    EXPECT_EQ(game.stage, 0);
    EXPECT_EQ(game.stageLoaded, 0);
    EXPECT_EQ(game.bestScore, 12.0f);
    EXPECT_EQ(game.scoreRecord.rest[5], 0x77);
    EXPECT_EQ(backgroundSurface.at(320, 240), groundPixel(kTinyGroundBiru));
    EXPECT_TRUE(effectsSurface.colorKey);
    EXPECT_TRUE(sheetSurface.colorKey);
}

TEST_F(GameSpineTest, TitleButtonsChooseTheMode) {
    const struct {
        int left, right;
        GameMode mode;
    } cases[] = {
        {0, 0, Title},
        {1, 0, Normal},
        {2, 0, Title},          // pressed and moved in the same poll: not taken
        {0, 1, ScoreAttack},
        {1, 1, ScoreAttack},    // the right button is taken last and wins
        {2, 1, ScoreAttack},
    };
    for (const auto& c : cases) {
        start();
        game.stage = 5;
        game.stageLoaded = 1;
        game.scoreRecord.score = 9.0f;
        game.scoreRecord.elapsed = 31.0f;
        game.scoreRecord.timeUp = 1.0f;
        mouse.leftButton = c.left;
        mouse.rightButton = c.right;
        titleFrame(game);
        EXPECT_EQ(game.gameMode, c.mode) << c.left << "," << c.right;
        if (c.mode == Title) {
            EXPECT_EQ(game.stage, 5);
            continue;
        }
        EXPECT_EQ(game.stage, 0);
        EXPECT_EQ(game.stageLoaded, 0);
        // Only score attack starts a fresh clock; normal mode leaves the record.
        const bool fresh = c.mode == ScoreAttack;
        EXPECT_EQ(game.scoreRecord.score, fresh ? 0.0f : 9.0f);
        EXPECT_EQ(game.scoreRecord.elapsed, fresh ? 0.0f : 31.0f);
        EXPECT_EQ(game.scoreRecord.timeUp, fresh ? 0.0f : 1.0f);
    }
}

TEST_F(GameSpineTest, NormalModeNeverRunsTheClock) {
    start();
    game.scoreRecord.elapsed = 3.0f;
    mouse.leftButton = 1;
    titleFrame(game);
    mouse.leftButton = 0;
    playFrames(3);
    EXPECT_EQ(game.gameMode, Normal);
    EXPECT_EQ(game.scoreRecord.elapsed, 3.0f);
    EXPECT_FALSE(std::filesystem::exists("QMX_j.dat"));
}

TEST_F(GameSpineTest, StageStartLoadsTheEnemyAndClearsTheStage) {
    start();
    game.gameMode = Normal;
    game.bleedCounter = 3;
    game.handRecord.parent = linkTo(head);
    game.bloodSlots[42].life = 2.0f;
    game.body.parts[torso].parent = kNoParent;
    startStage(game);
    EXPECT_EQ(game.stageLoaded, 1);
    EXPECT_EQ(game.bleedCounter, 300);
    EXPECT_EQ(game.handRecord.parent, kNoParent);
    EXPECT_EQ(game.bloodSlots[42].life, 0.0f);
    EXPECT_EQ(parentIndex(game.body.parts[torso]), static_cast<int>(head));
    EXPECT_EQ(game.body.parts[head].srcX, kTinyFigure[head].srcX);
    EXPECT_EQ(game.body.parts[soul].y, 480.0f - (kTinyFigure[rightFoot].srcY + kTinyFigure[rightFoot].height));
    // The sheet is drawn at (0, 0) of a cleared surface.
    EXPECT_NE(sheetSurface.at(45, 5), 0);
    EXPECT_EQ(sheetSurface.at(kTinySheetWidth + 5, 5), 0);
}

TEST_F(GameSpineTest, GroundIsDrawnFromTheRandomSource) {
    const uint32_t grounds[3] = {kTinyGroundSakamiti, kTinyGroundBiru, kTinyGroundNest};
    bool seen[3] = {};
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        start(seed);
        Rng expected = game.rng;
        const int r = nextRandom(expected) % 3;
        startStage(game);
        EXPECT_EQ(backgroundSurface.at(600, 400), groundPixel(grounds[r])) << seed;
        seen[r] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2]);
}

TEST_F(GameSpineTest, StageEightLoadsEnemyZeroAgain) {
    // Enemy 0 told apart from the others by its head's life.
    Body marked{};
    for (int i = 1; i < kPartCount; ++i) {
        marked.parts[i].srcX = kTinyFigure[i].srcX;
        marked.parts[i].srcY = kTinyFigure[i].srcY;
        marked.parts[i].width = kTinyFigure[i].width;
        marked.parts[i].height = kTinyFigure[i].height;
    }
    linkBodyForEdit(marked);
    marked.parts[head].life = 7.0f;
    ASSERT_TRUE(saveBody(marked, 0));
    start();
    for (int stage : {7, 8, 16}) {
        game.stage = stage;
        startStage(game);
        EXPECT_EQ(game.body.parts[head].life, stage == 7 ? 4.0f : 7.0f) << stage;
        EXPECT_EQ(game.stage, stage);
    }
}

TEST_F(GameSpineTest, RightButtonTakesExactlyOneStageOnceTheTorsoIsOff) {
    start();
    game.gameMode = Normal;
    playFrames(1);
    ASSERT_EQ(game.stageLoaded, 1);
    mouse.rightButton = 1;
    playFrames(2);   // torso still on: the button does nothing
    EXPECT_EQ(game.stage, 0);

    game.body.parts[torso].parent = kNoParent;
    playFrames(1);
    EXPECT_EQ(game.stage, 1);
    EXPECT_EQ(game.stageLoaded, 0);
    playFrames(3);   // still held: the next enemy has its torso again
    EXPECT_EQ(game.stage, 1);
    EXPECT_EQ(game.stageLoaded, 1);
    EXPECT_TRUE(hasParent(game.body.parts[torso]));
}

TEST_F(GameSpineTest, BSwitchesOutlinesOnAndSpaceOff) {
    const struct {
        int before, b, space, after;
    } cases[] = {
        {0, 1, 0, 1}, {1, 0, 1, 0}, {0, 1, 1, 0}, {1, 1, 1, 0}, {1, 0, 0, 1}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        start();
        game.gameMode = Normal;
        game.showOutlines = c.before;
        keyState[VK_B] = static_cast<uint8_t>(c.b);
        keyState[VK_SPACE] = static_cast<uint8_t>(c.space);
        playFrames(1);
        EXPECT_EQ(game.showOutlines, c.after) << c.before << c.b << c.space;
    }
}

TEST_F(GameSpineTest, ClockRunsOutAfter601FramesAndSpaceClosesTheRun) {
    start();
    game.bestScore = 5.0f;
    game.scoreRecord.rest[0] = 0x42;
    mouse.rightButton = 1;
    titleFrame(game);
    mouse.rightButton = 0;
    ASSERT_EQ(game.gameMode, ScoreAttack);
    playFrames(600);
    EXPECT_LT(game.scoreRecord.elapsed, 30.0f);
    EXPECT_GT(game.scoreRecord.elapsed, 29.999f);
    EXPECT_EQ(game.scoreRecord.timeUp, 0.0f);
    playFrames(1);
    EXPECT_GT(game.scoreRecord.elapsed, 30.0f);
    EXPECT_EQ(game.scoreRecord.timeUp, 1.0f);

    // The clock keeps running; play goes on until space.
    playFrames(5);
    EXPECT_EQ(game.gameMode, ScoreAttack);
    EXPECT_FALSE(std::filesystem::exists("QMX_j.dat"));
    keyState[VK_SPACE] = 1;
    playFrames(1);
    EXPECT_EQ(game.gameMode, Title);
    EXPECT_EQ(game.bestScore, 5.0f);
    EXPECT_EQ(game.scoreRecord.score, 5.0f);

    ScoreRecord stored{};
    readHighScore(stored);
    EXPECT_EQ(stored.score, 5.0f);
    EXPECT_EQ(stored.elapsed, game.scoreRecord.elapsed);
    EXPECT_EQ(stored.timeUp, 1.0f);
    EXPECT_EQ(stored.rest[0], 0x42);
}

TEST_F(GameSpineTest, HeldAttachedPartTremblesByUpToFivePixels) {
    const struct {
        int32_t hold;
        bool attached;
        bool trembles;
    } cases[] = {
        {1, true, true}, {1, false, false}, {0, true, false}, {kSoulHold, false, false},
    };
    for (const auto& c : cases) {
        Rng rng;
        seedRng(rng, 99);
        Rng expected = rng;
        BodyPart copy{};
        copy.x = 10.0f;
        copy.y = 20.0f;
        copy.hold = c.hold;
        copy.parent = c.attached ? linkTo(torso) : kNoParent;
        jitterPart(rng, copy);
        if (!c.trembles) {
            EXPECT_EQ(copy.x, 10.0f);
            EXPECT_EQ(copy.y, 20.0f);
            EXPECT_EQ(rng.state, expected.state);   // no random value drawn
            continue;
        }
        const int32_t r1 = nextRandom(expected);
        const int32_t r2 = nextRandom(expected);
        EXPECT_EQ(copy.x, 10.0f + static_cast<float>(5 - r1 * 10 / 32767));
        EXPECT_EQ(copy.y, 20.0f + static_cast<float>(5 - r2 * 10 / 32767));
    }
    // Over many frames the offsets cover +5 to -4 and nothing beyond.
    Rng rng;
    seedRng(rng, 3);
    int lowest = 0, highest = 0;
    for (int i = 0; i < 2000; ++i) {
        BodyPart copy{};
        copy.hold = 1;
        copy.parent = linkTo(head);
        jitterPart(rng, copy);
        lowest = std::min(lowest, static_cast<int>(copy.x));
        highest = std::max(highest, static_cast<int>(copy.x));
    }
    EXPECT_EQ(lowest, -4);
    EXPECT_EQ(highest, 5);
}

TEST_F(GameSpineTest, PartIsDrawnAtItsResolvedPlace) {
    start();
    game.gameMode = Normal;
    game.stage = 0;
    startStage(game);
    clearSurface(backBuffer);
    drawBodyPart(game, leftHand);
    const BodyPart placed = resolvePart(game.body, game.body.parts[leftHand]);
    const int x = static_cast<int>(placed.x), y = static_cast<int>(placed.y);
    EXPECT_EQ(backBuffer.at(x + 1, y + 1), sheetSurface.at(static_cast<int>(kTinyFigure[leftHand].srcX) + 1,
                                                           static_cast<int>(kTinyFigure[leftHand].srcY) + 1));
    EXPECT_EQ(backBuffer.at(x - 1, y - 1), 0);
}

TEST(FrameRate, StaysFiniteWhenTheTimerHasNotMoved) {
    EXPECT_EQ(frameRate(1000, 1050), 20.0);
    EXPECT_EQ(frameRate(0xFFFFFFF0u, 0x22u), 20.0);   // the timer wrapped
    EXPECT_TRUE(std::isfinite(frameRate(500, 500)));
    EXPECT_EQ(frameRate(500, 500), 1000.0);
}

TEST_F(GameSpineTest, SoundPlaysAreKeptForOneFrameOnly) {
    start();
    playSound(12);
    ASSERT_EQ(soundPlays().size(), 1u);
    gameFrame(game, readTimer());   // a title frame plays nothing
    EXPECT_TRUE(soundPlays().empty());
}
