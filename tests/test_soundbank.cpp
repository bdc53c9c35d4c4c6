// The sound bank over the headless audio: the twenty files in their order,
// a missing or broken file stopping the load, and a voice that is still
// playing not being restarted.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "data_fixture.h"
#include "platform/platform.h"
#include "soundbank.h"

namespace {

class SoundBankTest : public ::testing::Test {
protected:
    void SetUp() override {
        home = std::filesystem::current_path();
        dir = makeTempDir("qmx_sound_");
        writeTinyDataSet(dir);
        std::filesystem::current_path(dir);
        platform::useHeadless({});
        clearSoundPlays();
    }
    void TearDown() override { std::filesystem::current_path(home); }

    // Lets the virtual clock run on by `ms` milliseconds.
    static void wait(uint32_t ms) {
        platform::Event event;
        platform::waitEvent(event, ms);
    }

    std::filesystem::path home;
    std::string dir;
};

} // namespace

TEST_F(SoundBankTest, VoicesComeFromTheFilesInTheirOrder) {
    for (int i = 0; i < 12; ++i) EXPECT_STREQ(soundFileName(i), "wave2\\Kill.wav") << i;
    EXPECT_STREQ(soundFileName(12), "wave2\\himei2.wav");
    EXPECT_STREQ(soundFileName(18), "wave2\\himei8.wav");
    EXPECT_STREQ(soundFileName(19), "wave2\\himei1.wav");
    EXPECT_EQ(soundFileName(20), nullptr);
    EXPECT_EQ(soundFileName(-1), nullptr);
}

TEST_F(SoundBankTest, AVoiceStillPlayingIsNotRestarted) {
    const char* failed = nullptr;
    ASSERT_EQ(initSound(&failed), 1);
    playSound(0);
    playSound(0);    // the 50 ms hit still sounds
    playSound(1);    // another copy of the hit is free
    wait(30);
    playSound(0);
    wait(40);        // 70 ms in: the first hit has ended
    playSound(0);
    playSound(19);
    playSound(20);   // no such voice: ignored
    const auto& plays = soundPlays();
    ASSERT_EQ(plays.size(), 6u);
    const bool expected[] = {true, false, true, false, true, true};
    const int buffers[] = {0, 0, 1, 0, 0, 19};
    for (std::size_t i = 0; i < plays.size(); ++i) {
        EXPECT_EQ(plays[i].buffer, buffers[i]) << i;
        EXPECT_EQ(plays[i].started, expected[i]) << i;
    }
    clearSoundPlays();
    EXPECT_TRUE(soundPlays().empty());
}

TEST_F(SoundBankTest, FirstFileThatCannotBeLoadedStopsTheLoad) {
    const struct {
        const char* file;
        bool broken;          // present but not a wave image
        const char* failed;   // the name initSound reports
    } cases[] = {
        {"wave2/himei5.wav", false, "wave2\\himei5.wav"},
        {"wave2/himei1.wav", false, "wave2\\himei1.wav"},
        {"wave2/Kill.wav", true, "wave2\\Kill.wav"},
        {"wave2/himei8.wav", true, "wave2\\himei8.wav"},
    };
    for (const auto& c : cases) {
        writeTinyDataSet(dir);
        if (c.broken)
            writeBytes(c.file, {'R', 'I', 'F', 'F', 0xFF, 0, 0, 0, 'W', 'A', 'V', 'E'});
        else
            std::filesystem::remove(c.file);
        const char* failed = nullptr;
        EXPECT_EQ(initSound(&failed), 0) << c.file;
        EXPECT_STREQ(failed, c.failed);
    }
}
