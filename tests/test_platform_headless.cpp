// The headless backend: script delivery by frame, the virtual clock, kept
// frames and voices that follow the clock.
#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"
#include "platform/voice_clock.h"

namespace {
using namespace platform;

ScriptedEvent scripted(int frame, Event::Kind kind, int key = 0) {
    ScriptedEvent s;
    s.frame = frame;
    s.event.kind = kind;
    s.event.key = key;
    return s;
}

ScriptedEvent scriptedMouse(int frame, uint32_t offset, int32_t data) {
    ScriptedEvent s = scripted(frame, Event::Mouse);
    s.event.offset = offset;
    s.event.data = data;
    return s;
}

// The events waitEvent hands out for the current frame, as keys/offsets.
std::vector<int> takeFrame() {
    std::vector<int> taken;
    Event event;
    while (waitEvent(event, 0)) taken.push_back(event.kind == Event::Mouse ? int(event.offset) : event.key);
    return taken;
}

TEST(PlatformHeadless, DeliversEachFramesEventsInFileOrder) {
    // Out of frame order in the file; file order holds within one frame.
    useHeadless({scripted(2, Event::KeyDown, 0x42), scriptedMouse(0, 4, -3), scriptedMouse(0, 0, 5),
                 scripted(2, Event::KeyUp, 0x20), scripted(0, Event::KeyDown, 0x26)});
    EXPECT_TRUE(isHeadless());
    EXPECT_EQ(takeFrame(), (std::vector<int>{4, 0, 0x26}));
    beginNextFrame();
    EXPECT_EQ(takeFrame(), std::vector<int>{});
    beginNextFrame();
    EXPECT_EQ(takeFrame(), (std::vector<int>{0x42, 0x20}));
    beginNextFrame();
    EXPECT_EQ(takeFrame(), std::vector<int>{});
}

TEST(PlatformHeadless, EventFieldsArriveUnchanged) {
    ScriptedEvent press = scriptedMouse(0, 12, 0x80);
    useHeadless({press, scripted(0, Event::Close), scripted(0, Event::Quit)});
    Event event;
    ASSERT_TRUE(waitEvent(event, 50));
    EXPECT_EQ(event.kind, Event::Mouse);
    EXPECT_EQ(event.offset, 12u);
    EXPECT_EQ(event.data, 0x80);
    ASSERT_TRUE(waitEvent(event, 50));
    EXPECT_EQ(event.kind, Event::Close);
    ASSERT_TRUE(waitEvent(event, 50));
    EXPECT_EQ(event.kind, Event::Quit);
    EXPECT_EQ(ticks(), 0u) << "delivering events takes no time";
}

TEST(PlatformHeadless, ClockMovesOnlyWhenAWaitFindsNothing) {
    useHeadless({scripted(1, Event::KeyDown, 0x1B)});
    EXPECT_EQ(ticks(), 0u);
    Event event;
    EXPECT_FALSE(waitEvent(event, 50));
    EXPECT_EQ(ticks(), 50u);
    EXPECT_FALSE(waitEvent(event, 0));
    EXPECT_FALSE(waitEvent(event, 7));
    EXPECT_EQ(ticks(), 57u);
    beginNextFrame();
    EXPECT_TRUE(waitEvent(event, 50));
    EXPECT_EQ(ticks(), 57u);
}

TEST(PlatformHeadless, EventsOfAFrameAlreadyGoneAreNeverDelivered) {
    useHeadless({scripted(0, Event::KeyDown, 0x41), scripted(1, Event::KeyDown, 0x42)});
    beginNextFrame();
    beginNextFrame();
    EXPECT_EQ(takeFrame(), std::vector<int>{});
}

TEST(PlatformHeadless, UseHeadlessAgainStartsAFreshSession) {
    useHeadless({});
    Event event;
    waitEvent(event, 50);
    beginNextFrame();
    useHeadless({scripted(0, Event::KeyDown, 0x41)});
    EXPECT_EQ(ticks(), 0u);
    EXPECT_EQ(takeFrame(), std::vector<int>{0x41});
}

TEST(PlatformHeadless, DisplayIsVirtualAndKeepsTheLastFrame) {
    useHeadless({});
    std::string error;
    EXPECT_TRUE(openDisplay(DisplayOptions(), error));
    std::vector<uint16_t> frame(kScreenWidth * kScreenHeight);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = uint16_t(i * 7);
    presentFrame(frame.data());
    frame[0] = 0xFFFF;  // the kept copy is not the caller's buffer
    const uint16_t* kept = presentedFrame();
    EXPECT_EQ(kept[0], 0);
    EXPECT_EQ(kept[1], 7);
    EXPECT_EQ(kept[kScreenWidth * kScreenHeight - 1], uint16_t((kScreenWidth * kScreenHeight - 1) * 7));
    EXPECT_FALSE(showMessageBox("Message", "no box without a display"));
    closeDisplay();
}

TEST(PlatformHeadless, VoicesFollowTheClockAndTheirLength) {
    useHeadless({});
    ASSERT_TRUE(openAudio(20));
    PcmFormat format;  // 16-bit mono 22050 Hz
    std::vector<unsigned char> samples(2205 * 2);  // 100 ms
    ASSERT_TRUE(loadVoice(3, format, samples.data(), samples.size()));
    Event event;
    EXPECT_TRUE(playVoice(3));
    EXPECT_FALSE(playVoice(3)) << "still playing";
    waitEvent(event, 99);
    EXPECT_FALSE(playVoice(3)) << "1 ms left";
    waitEvent(event, 1);
    EXPECT_TRUE(playVoice(3)) << "over: starts again";
    EXPECT_FALSE(playVoice(3));
    EXPECT_FALSE(playVoice(4)) << "never loaded";
    EXPECT_FALSE(playVoice(20)) << "out of range";
    EXPECT_FALSE(playVoice(-1));
    EXPECT_FALSE(loadVoice(20, format, samples.data(), samples.size()));
    closeAudio();
    EXPECT_FALSE(playVoice(3)) << "closed";
}

TEST(PlatformHeadless, VoiceOfNoLengthStartsEveryTime) {
    useHeadless({});
    ASSERT_TRUE(openAudio(1));
    ASSERT_TRUE(loadVoice(0, PcmFormat(), nullptr, 0));
    EXPECT_TRUE(playVoice(0));
    EXPECT_TRUE(playVoice(0));
}

struct LengthCase {
    const char* name;
    PcmFormat format;
    std::size_t size;
    bool accepted;
    uint32_t ms;
};

PcmFormat pcm(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    PcmFormat format;
    format.formatTag = tag;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    return format;
}

TEST(PlatformVoiceLength, FromSizeChannelsBitsAndRateRoundedUp) {
    const LengthCase cases[] = {
        {"16-bit mono exact", pcm(1, 1, 22050, 16), 44100, true, 1000},
        {"8-bit mono", pcm(1, 1, 11025, 8), 11025, true, 1000},
        {"24-bit stereo", pcm(1, 2, 48000, 24), 48000 * 6 / 2, true, 500},
        {"32-bit float stereo", pcm(3, 2, 44100, 32), 44100 * 8, true, 1000},
        {"one sample rounds up", pcm(1, 1, 22050, 16), 2, true, 1},
        {"rounds up", pcm(1, 1, 22050, 16), 2 * 2206, true, 101},
        {"partial frame not counted", pcm(1, 2, 1000, 16), 7, true, 1},
        {"empty", pcm(1, 1, 22050, 16), 0, true, 0},
        {"six channels", pcm(1, 6, 48000, 16), 48000 * 12, true, 1000},
        {"no channels", pcm(1, 0, 22050, 16), 100, false, 0},
        {"nine channels", pcm(1, 9, 22050, 16), 100, false, 0},
        {"zero rate", pcm(1, 1, 0, 16), 100, false, 0},
        {"12-bit", pcm(1, 1, 22050, 12), 100, false, 0},
        {"0-bit", pcm(1, 1, 22050, 0), 100, false, 0},
        {"16-bit float", pcm(3, 1, 22050, 16), 100, false, 0},
        {"compressed tag", pcm(2, 1, 22050, 4), 100, false, 0},
        {"extensible tag", pcm(0xFFFE, 2, 44100, 16), 100, false, 0},
    };
    for (const LengthCase& c : cases) {
        uint32_t ms = 12345;
        EXPECT_EQ(pcmLengthMs(c.format, c.size, ms), c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(ms, c.ms) << c.name;
        }
    }
}

TEST(PlatformVoiceClock, StillPlayingAcrossTheClockWrap) {
    VoiceClock clock;
    clock.reset(1);
    ASSERT_TRUE(clock.load(0, 100));
    EXPECT_TRUE(clock.play(0, UINT32_MAX - 10));
    EXPECT_FALSE(clock.play(0, 50)) << "61 ms into the sound, past the wrap";
    EXPECT_TRUE(clock.play(0, 89));
}

} // namespace
