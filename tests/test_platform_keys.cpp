// Keyboard keys to the virtual-key codes the programs read.
#include <gtest/gtest.h>

#include "platform/keymap.h"

namespace {
using namespace platform;

struct KeyCase {
    const char* name;
    int scancode;
    int keycode;
    int expected;
};

constexpr int kArrowBit = 1 << 30;  // SDL's keycodes of keys without a character

TEST(PlatformKeys, MapsKeysTheProgramsRead) {
    const KeyCase cases[] = {
        {"escape", scancode::Escape, 27, 0x1B},
        {"pause", scancode::Pause, kArrowBit | 72, 0x13},
        {"space", scancode::Space, ' ', 0x20},
        {"return", scancode::Return, '\r', 0x0D},
        {"letter b", 5, 'b', 0x42},
        {"letter a", scancode::A, 'a', 0x41},
        {"letter z", scancode::Z, 'z', 0x5A},
        // The letter follows the layout: the key in Q's place types 'a'.
        {"layout letter", 20, 'a', 0x41},
        // A layout without Latin letters falls back to the key's place.
        {"non-latin letter", 5, 0x431, 0x42},
        {"digit 1", scancode::Digit1, '1', 0x31},
        {"digit 0", scancode::Digit0, '0', 0x30},
        // The digit row is read by place, as with a layout typing '&' there.
        {"digit by place", scancode::Digit1, '&', 0x31},
        {"left", scancode::Left, kArrowBit | 80, 0x25},
        {"up", scancode::Up, kArrowBit | 82, 0x26},
        {"right", scancode::Right, kArrowBit | 79, 0x27},
        {"down", scancode::Down, kArrowBit | 81, 0x28},
        {"f1", scancode::F1, kArrowBit | 58, 0x70},
        {"f12", scancode::F12, kArrowBit | 69, 0x7B},
        {"left shift", scancode::LeftShift, kArrowBit | 225, 0x10},
        {"right ctrl", scancode::RightCtrl, kArrowBit | 228, 0x11},
        {"number pad enter", scancode::KpEnter, kArrowBit | 88, 0x0D},
        {"unknown key", 0, 0, 0},
        {"caps lock ignored", 57, kArrowBit | 57, 0},
        {"unknown character", 0, '#', 0},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(virtualKey(c.scancode, c.keycode), c.expected) << c.name;
    }
}

TEST(PlatformKeys, NumberPadDigitsByPlaceWhateverNumLock) {
    for (int digit = 0; digit <= 9; ++digit) {
        const int place = digit == 0 ? scancode::Kp0 : scancode::Kp1 + digit - 1;
        const int numLockOn = kArrowBit | place;
        const int numLockOff = kArrowBit | scancode::Left;  // what num lock off may report
        EXPECT_EQ(virtualKey(place, numLockOn), 0x60 + digit) << digit;
        EXPECT_EQ(virtualKey(place, numLockOff), 0x60 + digit) << digit;
    }
}

} // namespace
