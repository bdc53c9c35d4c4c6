// Keyboard keys to Windows virtual-key codes (see keymap.h).
#include "platform/keymap.h"

namespace platform {
namespace {

struct KeyPair {
    int scancode;
    int virtualKey;
};

// Keys whose code does not depend on the layout.
constexpr KeyPair kByPosition[] = {
    {scancode::Return, 0x0D},     {scancode::Escape, 0x1B},
    {scancode::Backspace, 0x08},  {scancode::Tab, 0x09},
    {scancode::Space, 0x20},      {scancode::Pause, 0x13},
    {scancode::Insert, 0x2D},     {scancode::Home, 0x24},
    {scancode::PageUp, 0x21},     {scancode::Delete, 0x2E},
    {scancode::End, 0x23},        {scancode::PageDown, 0x22},
    {scancode::Right, 0x27},      {scancode::Left, 0x25},
    {scancode::Down, 0x28},       {scancode::Up, 0x26},
    {scancode::KpDivide, 0x6F},   {scancode::KpMultiply, 0x6A},
    {scancode::KpMinus, 0x6D},    {scancode::KpPlus, 0x6B},
    {scancode::KpEnter, 0x0D},    {scancode::KpPeriod, 0x6E},
    {scancode::LeftCtrl, 0x11},   {scancode::RightCtrl, 0x11},
    {scancode::LeftShift, 0x10},  {scancode::RightShift, 0x10},
    {scancode::LeftAlt, 0x12},    {scancode::RightAlt, 0x12},
};

int numberPadKey(int code) {
    if (code == scancode::Kp0) return 0x60;
    if (code >= scancode::Kp1 && code <= scancode::Kp9) return 0x61 + (code - scancode::Kp1);
    return 0;
}

int digitKey(int code) {
    if (code == scancode::Digit0) return 0x30;
    if (code >= scancode::Digit1 && code < scancode::Digit0) return 0x31 + (code - scancode::Digit1);
    return 0;
}

int letterKey(int scancode, int keycode) {
    if (keycode >= 'a' && keycode <= 'z') return 'A' + (keycode - 'a');
    // A layout without Latin letters: fall back to the key's position.
    if (scancode >= scancode::A && scancode <= scancode::Z) return 'A' + (scancode - scancode::A);
    return 0;
}

} // namespace

int virtualKey(int scancode, int keycode) {
    if (int key = numberPadKey(scancode)) return key;
    if (int key = digitKey(scancode)) return key;
    if (scancode >= scancode::F1 && scancode <= scancode::F12) return 0x70 + (scancode - scancode::F1);
    for (const KeyPair& pair : kByPosition) {
        if (pair.scancode == scancode) return pair.virtualKey;
    }
    return letterKey(scancode, keycode);
}

} // namespace platform
