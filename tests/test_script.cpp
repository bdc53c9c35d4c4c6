// The headless input script: every event form, comments and blank lines,
// and lines that are not understood.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mouse.h"
#include "platform/platform.h"
#include "script.h"
#include "window.h"

namespace {

using platform::Event;
using platform::ScriptedEvent;

// One event as text, so a whole parse compares in one line:
// "F mouse OFFSET DATA", "F down KEY", "F up KEY", "F close", "F quit".
std::string describe(const ScriptedEvent& s) {
    const std::string f = std::to_string(s.frame) + " ";
    switch (s.event.kind) {
    case Event::Mouse: return f + "mouse " + std::to_string(s.event.offset) + " " + std::to_string(s.event.data);
    case Event::KeyDown: return f + "down " + std::to_string(s.event.key);
    case Event::KeyUp: return f + "up " + std::to_string(s.event.key);
    case Event::Close: return f + "close";
    case Event::Quit: return f + "quit";
    case Event::None: break;
    }
    return f + "none";
}

std::vector<std::string> parse(const std::string& text) {
    std::vector<ScriptedEvent> events;
    std::string error;
    EXPECT_TRUE(parseScript(text, events, error)) << error;
    std::vector<std::string> out;
    for (const ScriptedEvent& e : events) out.push_back(describe(e));
    return out;
}

TEST(Script, EveryEventForm) {
    struct Case {
        const char* line;
        std::vector<std::string> events;
    } cases[] = {
        {"0 move 5 -3", {"0 mouse 0 5", "0 mouse 4 -3"}},
        {"1 move 0 7", {"1 mouse 4 7"}},
        {"1 move -2 0", {"1 mouse 0 -2"}},
        {"1 move 0 0", {}},
        {"2 movex 0", {"2 mouse 0 0"}},
        {"2 movey -9", {"2 mouse 4 -9"}},
        {"3 wheel -120", {"3 mouse 8 -120"}},
        {"4 press left", {"4 mouse 12 128"}},
        {"4 release left", {"4 mouse 12 0"}},
        {"4 press right", {"4 mouse 13 128"}},
        {"4 release middle", {"4 mouse 14 0"}},
        {"4 press button4", {"4 mouse 15 128"}},
        {"5 keydown ESCAPE", {"5 down 27"}},
        {"5 keydown PAUSE", {"5 down 19"}},
        {"5 keyup SPACE", {"5 up 32"}},
        {"5 keydown B", {"5 down 66"}},
        {"5 keydown UP", {"5 down 38"}},
        {"5 keyup DOWN", {"5 up 40"}},
        {"5 keydown LEFT", {"5 down 37"}},
        {"5 keydown RIGHT", {"5 down 39"}},
        {"5 keydown NUMPAD2", {"5 down 98"}},
        {"5 keydown NUMPAD4", {"5 down 100"}},
        {"5 keyup NUMPAD6", {"5 up 102"}},
        {"5 keydown NUMPAD8", {"5 down 104"}},
        {"5 keydown 0x41", {"5 down 65"}},
        {"5 keyup 0xff", {"5 up 255"}},
        {"6 close", {"6 close"}},
        {"6 quit", {"6 quit"}},
        {"  7\tmove   1\t 1  ", {"7 mouse 0 1", "7 mouse 4 1"}},
        {"8 press left # grab the arm", {"8 mouse 12 128"}},
        {"# only a comment", {}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(parse(c.line), c.events) << "line: " << c.line;
}

TEST(Script, EventsKeepFileOrderAcrossLines) {
    const std::string text =
        "# a grab and a pull\n"
        "\n"
        "3 press left\n"
        "1 move 4 0\n"
        "3 move 0 2   # after the press\n"
        "10 quit\n";
    EXPECT_EQ(parse(text), (std::vector<std::string>{"3 mouse 12 128", "1 mouse 0 4", "3 mouse 4 2", "10 quit"}));
    EXPECT_EQ(parse("0 close\r\n1 quit\r\n").size(), 2u) << "Windows line ends";
}

TEST(Script, BadLinesAreReportedByNumber) {
    const char* bad[] = {
        "move 1 2",             // no frame
        "-1 close",             // negative frame
        "x close",
        "1.5 close",
        "0",                    // no event
        "0 jump",
        "0 move 1",             // missing value
        "0 move 1 2 3",
        "0 move a 2",
        "0 movex",
        "0 wheel 1.5",
        "0 press",
        "0 press thumb",
        "0 release left right",
        "0 keydown",
        "0 keydown ENTER",
        "0 keydown escape",     // names are upper case
        "0 keydown 0x00",
        "0 keydown 0x100",
        "0 keydown 0x",
        "0 keydown 65",         // codes are written 0xNN
        "0 close now",
        "0 quit 1",
    };
    for (const char* line : bad) {
        SCOPED_TRACE(line);
        std::vector<ScriptedEvent> events;
        std::string error;
        const std::string text = std::string("0 close\n# fine so far\n") + line + "\n1 quit\n";
        EXPECT_FALSE(parseScript(text, events, error));
        EXPECT_NE(error.find("line 3"), std::string::npos) << error;
    }
}

TEST(Script, NumbersOutsideTheirRangeAreRejected) {
    const char* bad[] = {
        "4294967296 close",       // a frame number beyond int
        "99999999999 quit",
        "0 movex 4294967296",     // a device count beyond 32 bits
        "0 move 1 -4294967297",
        "0 wheel 99999999999999999999",
    };
    for (const char* line : bad) {
        SCOPED_TRACE(line);
        std::vector<ScriptedEvent> events;
        std::string error;
        EXPECT_FALSE(parseScript(line, events, error)) << "parsed as " << (events.empty() ? "nothing" : describe(events[0]));
    }
    EXPECT_EQ(parse("2147483647 movex -2147483648"),
              std::vector<std::string>{"2147483647 mouse 0 -2147483648"});
}

TEST(Script, NumbersAreDecimalEvenWithLeadingZeros) {
    EXPECT_EQ(parse("010 movex 010"), std::vector<std::string>{"10 mouse 0 10"});
    EXPECT_EQ(parse("08 close"), std::vector<std::string>{"8 close"});
}

}  // namespace
