// Blood splashes: the first free slot, the stain of the first picture, the
// hit sound, the fall through the pictures, the landing and its stain.
#include <gtest/gtest.h>

#include "blood.h"
#include "fight_fixture.h"
#include "floatconv.h"

namespace {

// Each picture of the strip is marked by one pixel at its top-left corner,
// so a copy shows which picture went where.
uint16_t cellMark(int cell) { return static_cast<uint16_t>(0x0100 * cell); }

class BloodTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetWorld();
        for (int cell = 1; cell <= 6; ++cell) effectsSurface.at(100 * (cell - 1), 0) = cellMark(cell);
    }
    // The picture the last update drew for the splash: 0 when none.
    int drawnCell(const BloodSplash& splash) const {
        if (countNonZero(backBuffer) != 1) return 0;
        const uint16_t mark = backBuffer.at(truncToInt(splash.x), truncToInt(splash.y));
        for (int cell = 1; cell <= 6; ++cell)
            if (mark == cellMark(cell)) return cell;
        return 0;
    }
    void update() {
        clearSurface(backBuffer);
        updateBlood(game);
    }
    GameState game;
};

TEST_F(BloodTest, SplashStainsFallsThroughItsPicturesAndLands) {
    Rng expectedRng = game.rng;
    spawnBlood(game, 320.0f, 200.0f);
    const BloodSplash& splash = game.bloodSlots[0];
    EXPECT_EQ(splash.life, 1.0f);
    EXPECT_EQ(splash.x, 270.0f);
    EXPECT_EQ(splash.y, 150.0f);
    EXPECT_EQ(backgroundSurface.at(270, 150), cellMark(1));
    EXPECT_EQ(countNonZero(backgroundSurface), 1);
    EXPECT_EQ(playedBuffers(), std::vector<int>{nextRandom(expectedRng) % 12});

    for (int n = 1; n <= 24; ++n) {
        SCOPED_TRACE(n);
        update();
        const int expected = n <= 7 ? 1 : n <= 15 ? 2 : n <= 23 ? 3 : 4;
        EXPECT_EQ(drawnCell(splash), expected);
        EXPECT_LT(splash.y, 380.0f);
    }
    update();   // the 25th lands and shows the last picture
    EXPECT_EQ(splash.life, 6.0f);
    EXPECT_NEAR(splash.x, 272.5f, 0.001f);
    EXPECT_EQ(splash.y, 380.0f);
    EXPECT_EQ(backBuffer.at(272, 380), cellMark(6));
    EXPECT_EQ(countNonZero(backgroundSurface), 1);

    update();   // the 26th stains the ground and frees the slot
    EXPECT_EQ(countNonZero(backBuffer), 0);
    EXPECT_EQ(backgroundSurface.at(272, 380), cellMark(6));
    EXPECT_EQ(countNonZero(backgroundSurface), 2);
    EXPECT_EQ(splash.life, 0.0f);
    update();
    EXPECT_EQ(countNonZero(backBuffer), 0);
    EXPECT_EQ(countNonZero(backgroundSurface), 2);
}

TEST_F(BloodTest, LowHitLandsOnItsFirstUpdate) {
    const struct {
        float y;
        bool landsAtOnce;
    } cases[] = {{424.0f, true}, {423.75f, false}, {470.0f, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y);
        game.bloodSlots[0].life = 0.0f;
        spawnBlood(game, 320.0f, c.y);
        update();
        const BloodSplash& splash = game.bloodSlots[0];
        EXPECT_EQ(splash.life == 6.0f, c.landsAtOnce);
        EXPECT_EQ(drawnCell(splash), c.landsAtOnce ? 6 : 1);
    }
}

TEST_F(BloodTest, HighHitRunsOutOfPicturesInTheAirAndStaysUntilTheStageEnds) {
    spawnBlood(game, 320.0f, 1.0f);
    const BloodSplash& splash = game.bloodSlots[0];
    for (int n = 1; n <= 38; ++n) update();
    EXPECT_LT(splash.life, 6.0f);
    update();   // the 39th shows the last picture once, still in the air
    EXPECT_NEAR(splash.life, 6.07f, 0.001f);
    EXPECT_LE(splash.y, 380.0f);
    EXPECT_EQ(drawnCell(splash), 6);
    const int stains = countNonZero(backgroundSurface);
    for (int n = 0; n < 10; ++n) update();
    EXPECT_EQ(countNonZero(backBuffer), 0);
    EXPECT_EQ(countNonZero(backgroundSurface), stains);
    EXPECT_GT(splash.life, 6.0f);
}

TEST_F(BloodTest, HitsTakeTheLowestFreeSlots) {
    game.bloodSlots[0].life = 3.0f;
    game.bloodSlots[2].life = -1.0f;   // 0 or below is free
    Rng expectedRng = game.rng;
    spawnBlood(game, 100.0f, 100.0f);
    spawnBlood(game, 200.0f, 200.0f);
    EXPECT_EQ(game.bloodSlots[1].x, 50.0f);
    EXPECT_EQ(game.bloodSlots[2].x, 150.0f);
    EXPECT_EQ(game.bloodSlots[2].life, 1.0f);
    EXPECT_EQ(game.bloodSlots[3].life, 0.0f);
    const int first = nextRandom(expectedRng) % 12;
    const int second = nextRandom(expectedRng) % 12;
    EXPECT_EQ(playedBuffers(), (std::vector<int>{first, second}));
}

TEST_F(BloodTest, FullSlotsShowAndSoundNothing) {
    for (BloodSplash& slot : game.bloodSlots) slot.life = 2.0f;
    const Rng before = game.rng;
    spawnBlood(game, 320.0f, 200.0f);
    EXPECT_TRUE(soundPlays().empty());
    EXPECT_EQ(countNonZero(backgroundSurface), 0);
    EXPECT_EQ(game.rng.state, before.state);
}

TEST_F(BloodTest, SplashOffTheScreenIsClipped) {
    spawnBlood(game, -40.0f, 300.0f);   // left edge at -90: ten columns show
    EXPECT_EQ(countNonZero(backgroundSurface), 0) << "the marker column is cut away";
    effectsSurface.at(95, 5) = 0x7777;
    spawnBlood(game, -40.0f, 300.0f);
    EXPECT_EQ(backgroundSurface.at(5, 255), 0x7777);
    spawnBlood(game, 1e30f, -1e30f);
    update();
    EXPECT_EQ(busyBloodSlots(game), 3);
}

} // namespace
