// The program's one window: key flags from key messages, the frame end that
// shows the frame and handles messages until 50 ms are over, and the fatal
// stop that every end of the program goes through. Each program's start-up
// calls createMainWindow first; its frame loop calls readTimer at the top of
// each frame and endFrame at the bottom.
#pragma once
#include <cstdint>

#include "platform/platform.h"

// Windows virtual-key codes the programs read.
constexpr int VK_PAUSE = 0x13, VK_ESCAPE = 0x1B, VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28;
constexpr int VK_B = 0x42;
constexpr int VK_NUMPAD2 = 0x62, VK_NUMPAD4 = 0x64, VK_NUMPAD6 = 0x66, VK_NUMPAD8 = 0x68;

extern uint8_t keyState[256];

// Extra key-down handling after the flag is set (the editor's menu keys);
// given the key code after the number-pad mapping.
using KeyDownHook = void (*)(int code);

// Names the window (initVideo opens it) and installs the program's extra
// key-down handling.
void createMainWindow(const char* title, KeyDownHook keyDownHook = nullptr);
const char* mainWindowTitle();

// Handles one window message: keys set and clear flags (Escape and Pause
// end the program), close ends it, mouse events go to the device buffer.
void windowProc(const platform::Event& message);

// The number-pad keys 2, 4, 6, 8 stand for the arrows.
int mapKeypad(int code);

int getKeyB();
int getKeySpace();
int getKeyUp();
int getKeyDown();
int getKeyLeft();
int getKeyRight();

// The millisecond timer, read at the top of every frame. Its first call
// handles the messages waiting before the first frame (a headless run's
// frame-0 script events).
uint32_t readTimer();

// Writes the frame's trace line, shows the frame, then handles messages
// until 50 ms have passed since frameStart. Ends a headless run after its
// last frame.
void endFrame(uint32_t frameStart);

// Releases everything, shows the text (if any) in a message box and on
// stderr, and exits with code 1.
[[noreturn]] void fatalStop(const char* text);
