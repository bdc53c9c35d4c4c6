// The SDL backend without a screen or a sound card: SDL's dummy video and
// audio drivers stand in for them.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <unistd.h>
#include <vector>

#include "platform/platform.h"

namespace {
using namespace platform;

PcmFormat pcm(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    PcmFormat format;
    format.formatTag = tag;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    return format;
}

void expectNoDisplay(const char* situation) {
    std::string error;
    DisplayOptions options;
    options.title = "test";
    EXPECT_FALSE(openDisplay(options, error)) << situation;
    EXPECT_NE(error.find("display"), std::string::npos) << situation << ": " << error;
    closeDisplay();
}

TEST(PlatformSdlDisplay, NoDisplayIsAClearError) {
    setenv("SDL_VIDEODRIVER", "no_such_driver", 1);
    expectNoDisplay("unknown driver");
}

TEST(PlatformSdlDisplay, NoWindowSystemIsNotAnInvisibleWindow) {
    // SDL would fall back on its offscreen driver and run unseen.
    if (access("/dev/dri", F_OK) == 0) GTEST_SKIP() << "a console display may answer here";
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    expectNoDisplay("no DISPLAY");
}

TEST(PlatformSdlDisplay, OpensPresentsWaitsAndCloses) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string error;
    DisplayOptions options;
    options.title = "test";
    options.windowed = true;
    options.scale = 2;
    ASSERT_TRUE(openDisplay(options, error)) << error;
    std::vector<uint16_t> frame(kScreenWidth * kScreenHeight, 0xF800);
    presentFrame(frame.data());
    EXPECT_EQ(presentedFrame()[12345], 0xF800);

    Event event;
    const uint32_t start = ticks();
    EXPECT_FALSE(waitEvent(event, 40));
    EXPECT_GE(ticks() - start, 40u) << "the wait lasts its timeout";
    EXPECT_LT(ticks() - start, 1000u);
    closeDisplay();
    // Opens again after a close.
    ASSERT_TRUE(openDisplay(options, error)) << error;
    closeDisplay();
}

class PlatformSdlAudio : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { closeAudio(); }
};

TEST_F(PlatformSdlAudio, ConvertsEveryFormatTheVoicesTake) {
    ASSERT_TRUE(openAudio(20));
    struct Case {
        const char* name;
        PcmFormat format;
        bool accepted;
    } cases[] = {
        {"8-bit mono 11025", pcm(1, 1, 11025, 8), true},
        {"16-bit mono 22050", pcm(1, 1, 22050, 16), true},
        {"16-bit stereo 44100", pcm(1, 2, 44100, 16), true},
        {"24-bit stereo 48000", pcm(1, 2, 48000, 24), true},
        {"32-bit mono 8000", pcm(1, 1, 8000, 32), true},
        {"float stereo 96000", pcm(3, 2, 96000, 32), true},
        {"12-bit", pcm(1, 1, 22050, 12), false},
        {"no channels", pcm(1, 0, 22050, 16), false},
        {"zero rate", pcm(1, 1, 0, 16), false},
        {"compressed", pcm(2, 1, 22050, 4), false},
    };
    std::vector<unsigned char> samples(4800 * 8, 0x40);
    for (const Case& c : cases) {
        EXPECT_EQ(loadVoice(0, c.format, samples.data(), samples.size()), c.accepted) << c.name;
    }
    EXPECT_FALSE(loadVoice(20, pcm(1, 1, 22050, 16), samples.data(), samples.size())) << "out of range";
}

TEST_F(PlatformSdlAudio, AVoiceStillPlayingIsNotRestarted) {
    ASSERT_TRUE(openAudio(2));
    std::vector<unsigned char> samples(2205, 0x80);  // 100 ms of 8-bit silence
    ASSERT_TRUE(loadVoice(1, pcm(1, 1, 22050, 8), samples.data(), samples.size()));
    EXPECT_FALSE(playVoice(0)) << "never loaded";
    EXPECT_TRUE(playVoice(1));
    EXPECT_FALSE(playVoice(1)) << "still playing";
    bool startedAgain = false;
    for (int i = 0; i < 100 && !startedAgain; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        startedAgain = playVoice(1);
    }
    EXPECT_TRUE(startedAgain) << "plays again once over";
}

TEST_F(PlatformSdlAudio, FallsBackToASilentDeviceWhenTheDriverFails) {
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    ASSERT_TRUE(openAudio(1));
    std::vector<unsigned char> samples(4410, 0);
    ASSERT_TRUE(loadVoice(0, pcm(1, 1, 22050, 16), samples.data(), samples.size()));
    EXPECT_TRUE(playVoice(0));
    EXPECT_FALSE(playVoice(0));
}

} // namespace
