// Keyboard keys to the Windows virtual-key codes the programs read. SDL-free:
// scancodes are the USB HID usage numbers SDL uses (sdl_events.cpp checks
// that they agree with SDL's own constants), so the table can be tested alone.
#pragma once

namespace platform {

namespace scancode {
constexpr int A = 4, Z = 29;
constexpr int Digit1 = 30, Digit0 = 39;
constexpr int Return = 40, Escape = 41, Backspace = 42, Tab = 43, Space = 44;
constexpr int F1 = 58, F12 = 69;
constexpr int Pause = 72, Insert = 73, Home = 74, PageUp = 75;
constexpr int Delete = 76, End = 77, PageDown = 78;
constexpr int Right = 79, Left = 80, Down = 81, Up = 82;
constexpr int KpDivide = 84, KpMultiply = 85, KpMinus = 86, KpPlus = 87;
constexpr int KpEnter = 88, Kp1 = 89, Kp9 = 97, Kp0 = 98, KpPeriod = 99;
constexpr int LeftCtrl = 224, LeftShift = 225, LeftAlt = 226;
constexpr int RightCtrl = 228, RightShift = 229, RightAlt = 230;
} // namespace scancode

// The virtual-key code of a key, from its physical position (scancode) and
// what the keyboard layout makes of it (keycode, SDL's SDLK_ value); 0 for a
// key the programs have no use for. Letters follow the layout; the number
// pad is taken by position, whatever the num lock says.
int virtualKey(int scancode, int keycode);

} // namespace platform
