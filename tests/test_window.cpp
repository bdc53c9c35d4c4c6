// The window: key flags from key messages (the number-pad keys share the
// arrows' flags), the key-down hook, the messages that end the program, mouse
// messages into the device buffer, and the headless frame end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "data_fixture.h"
#include "mouse.h"
#include "platform/platform.h"
#include "run.h"
#include "trace_reader.h"
#include "video.h"
#include "window.h"

namespace {

using platform::Event;

Event key(Event::Kind kind, int code) {
    Event e;
    e.kind = kind;
    e.key = code;
    return e;
}

void down(int code) { windowProc(key(Event::KeyDown, code)); }
void up(int code) { windowProc(key(Event::KeyUp, code)); }

std::vector<std::pair<int, int>> hookCalls;   // {code, flag at the call}

void recordingHook(int code) { hookCalls.push_back({code, keyState[code]}); }

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::useHeadless({});
        std::memset(keyState, 0, sizeof keyState);
        createMainWindow("qmx_test", nullptr);
        resetMouseDevice();
        hookCalls.clear();
    }
    void TearDown() override { createMainWindow("", nullptr); }
};

TEST_F(WindowTest, NumberPadKeysShareTheArrowFlags) {
    struct Pair {
        int pad, arrow;
        int (*getter)();
    } pairs[] = {
        {VK_NUMPAD4, VK_LEFT, getKeyLeft},
        {VK_NUMPAD8, VK_UP, getKeyUp},
        {VK_NUMPAD6, VK_RIGHT, getKeyRight},
        {VK_NUMPAD2, VK_DOWN, getKeyDown},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(testing::Message() << "pad key " << p.pad);
        EXPECT_EQ(mapKeypad(p.pad), p.arrow);
        down(p.pad);
        EXPECT_EQ(p.getter(), 1);
        EXPECT_EQ(keyState[p.pad], 0) << "the pad code itself is never set";
        down(p.arrow);
        up(p.arrow);   // the arrow released while the pad key is still held
        EXPECT_EQ(p.getter(), 0);
        down(p.arrow);
        up(p.pad);
        EXPECT_EQ(p.getter(), 0);
    }
}

TEST_F(WindowTest, EachGetterReadsItsOwnKey) {
    struct Getter {
        int code;
        int (*get)();
    } getters[] = {
        {VK_B, getKeyB}, {VK_SPACE, getKeySpace}, {VK_UP, getKeyUp},
        {VK_DOWN, getKeyDown}, {VK_LEFT, getKeyLeft}, {VK_RIGHT, getKeyRight},
    };
    for (const Getter& pressed : getters) {
        SCOPED_TRACE(testing::Message() << "key " << pressed.code);
        down(pressed.code);
        for (const Getter& g : getters) EXPECT_EQ(g.get(), g.code == pressed.code ? 1 : 0) << "getter of " << g.code;
        up(pressed.code);
        for (const Getter& g : getters) EXPECT_EQ(g.get(), 0);
    }
}

TEST_F(WindowTest, RepeatedKeyDownKeepsTheFlagUntilKeyUp) {
    for (int i = 0; i < 5; ++i) {
        down(VK_SPACE);
        EXPECT_EQ(getKeySpace(), 1);
    }
    up(VK_SPACE);
    EXPECT_EQ(getKeySpace(), 0);
    up(VK_SPACE);   // a second release is harmless
    EXPECT_EQ(getKeySpace(), 0);
}

TEST_F(WindowTest, OtherCodesAreRecordedUnderTheirOwnValue) {
    down(0x41);
    EXPECT_EQ(keyState[0x41], 1);
    EXPECT_EQ(mapKeypad(0x41), 0x41);
    EXPECT_EQ(mapKeypad(0x60), 0x60) << "number pad 0 is no arrow";
    up(0x41);
    EXPECT_EQ(keyState[0x41], 0);
    down(0xFF);
    EXPECT_EQ(keyState[0xFF], 1);
}

TEST_F(WindowTest, UnknownCodesAreIgnored) {
    createMainWindow("qmx_test", recordingHook);
    uint8_t before[256];
    for (int code : {0, 256, 257, 0x1000, -1, -0x1B, 0x11B, 0x113, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(testing::Message() << "code " << code);
        std::memcpy(before, keyState, sizeof keyState);
        down(code);
        up(code);
        EXPECT_EQ(std::memcmp(before, keyState, sizeof keyState), 0);
    }
    EXPECT_TRUE(hookCalls.empty());
    Event none;
    windowProc(none);
}

TEST_F(WindowTest, KeyDownHookGetsTheMappedCodeAfterTheFlagIsSet) {
    createMainWindow("qmx_test", recordingHook);
    down(VK_NUMPAD8);
    down(VK_B);
    up(VK_B);   // key-up does not call it
    ASSERT_EQ(hookCalls.size(), 2u);
    EXPECT_EQ(hookCalls[0], std::make_pair(int(VK_UP), 1));
    EXPECT_EQ(hookCalls[1], std::make_pair(int(VK_B), 1));
    EXPECT_STREQ(mainWindowTitle(), "qmx_test");
}

TEST_F(WindowTest, MouseMessagesGoToTheDeviceBuffer) {
    initMouse(MouseVariant::Game);
    Event move;
    move.kind = Event::Mouse;
    move.offset = kMouseX;
    move.data = -7;
    Event press = move;
    press.offset = kButtonLeft;
    press.data = kButtonDown;
    windowProc(press);
    windowProc(move);
    EXPECT_EQ(mouse.moveX, 0) << "nothing before the poll";
    pollMouse();
    EXPECT_EQ(mouse.moveX, -7);
    EXPECT_EQ(mouse.leftButton, 2);
}

using WindowDeathTest = WindowTest;

TEST_F(WindowDeathTest, EndingMessagesExitWith1AndNoMessage) {
    struct Case {
        const char* name;
        Event message;
    } cases[] = {
        {"Escape", key(Event::KeyDown, VK_ESCAPE)},
        {"Pause", key(Event::KeyDown, VK_PAUSE)},
        {"close", key(Event::Close, 0)},
        {"quit", key(Event::Quit, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EXIT(windowProc(c.message), ::testing::ExitedWithCode(1), "^$");
    }
}

TEST_F(WindowDeathTest, EscapeEndsEvenWithAHook) {
    createMainWindow("qmx_test", recordingHook);
    EXPECT_EXIT(
        {
            down(VK_ESCAPE);
            std::exit(3);   // must not come here
        },
        ::testing::ExitedWithCode(1), "^$");
}

TEST_F(WindowTest, KeyUpOfEscapeDoesNotEnd) {
    up(VK_ESCAPE);
    up(VK_PAUSE);
    EXPECT_EQ(keyState[VK_ESCAPE], 0);
}

TEST_F(WindowDeathTest, FatalStopShowsItsTextOnStderrAndExitsWith1) {
    EXPECT_EXIT(fatalStop("something went wrong"), ::testing::ExitedWithCode(1), "^something went wrong\n$");
}

// A whole headless run of four frames driven by readTimer and endFrame:
// the virtual clock moves 50 ms per frame, scripted events arrive before
// their frame, a slow frame is not caught up, and the run ends with exit
// code 0 after its last frame, having written one trace line per frame.
// Each check that fails inside the run exits with its own code.
TEST(WindowFrameDeathTest, HeadlessFramesEndAfterTheLastOne) {
    const std::string dir = makeTempDir("qmx_window_frames_");
    {
        std::ofstream script(dir + "/input.txt");
        script << "0 movex 5\n1 keydown B\n2 keyup B\n";
    }
    EXPECT_EXIT(
        {
            RunOptions o;
            o.headless = true;
            o.frames = 4;
            o.script = dir + "/input.txt";
            o.trace = dir + "/trace.jsonl";
            o.dataDir = dir;
            startRun(o, "test_window");
            createMainWindow("qmx_test");
            initVideo();
            resetMouseDevice();
            initMouse(MouseVariant::Game);
            const uint32_t t0 = readTimer();
            if (t0 != 0) std::exit(10);
            pollMouse();
            if (mouse.moveX != 5) std::exit(11);   // frame 0's events before frame 0
            if (getKeyB() != 0) std::exit(12);
            endFrame(t0);
            const uint32_t t1 = readTimer();
            if (t1 != 50) std::exit(13);
            if (getKeyB() != 1) std::exit(14);     // frame 1's key before frame 1
            endFrame(t1);
            const uint32_t t2 = readTimer();
            if (t2 != 100) std::exit(15);
            if (getKeyB() != 0) std::exit(16);
            endFrame(t2 - 80);                     // a frame that took 80 ms
            const uint32_t t3 = readTimer();
            if (t3 != 100) std::exit(17);          // no waiting, no catch-up
            endFrame(t3);
            std::exit(18);                         // the last frame must end the run
        },
        ::testing::ExitedWithCode(0), "");
    std::string errors;
    const std::vector<Json> lines = readTrace(dir + "/trace.jsonl", &errors);
    EXPECT_EQ(errors, "");
    ASSERT_EQ(lines.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(traceInt(lines[i], "frame"), i);
    EXPECT_EQ(lines[0]["mouse"]["moveX"].asInt(), 5);
}

}  // namespace
