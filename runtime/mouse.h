// Buffered mouse input. The message pump (window.cpp) queues device events
// {offset, data} into a 16-slot buffer; pollMouse, called once per frame right
// after the frame's start time is read, folds at most ten of them into the
// program-wide MouseState, which the hand (game) or pointer (editor) consume.
#pragma once
#include <cstdint>

struct MouseState {
    int16_t mouseX = 200;
    int16_t mouseY = 200;
    int32_t moveX = 0;
    int32_t moveY = 0;
    int32_t wheel = 0;
    int32_t leftButton = 0;   // 0 up, 1 pressed; game also 2: pressed and moved
    int32_t rightButton = 0;
    int32_t middleButton = 0;
};

extern MouseState mouse;

// Device event offsets.
constexpr uint32_t kMouseX = 0, kMouseY = 4, kMouseWheel = 8;
constexpr uint32_t kButtonLeft = 12, kButtonRight = 13, kButtonMiddle = 14, kButton4 = 15;
constexpr int32_t kButtonDown = 0x80;

enum class MouseVariant {
    Game,    // a movement after a press turns leftButton 1 into 2
    Editor,  // leftButton is only ever 0 or 1
};

// Chooses the poll's variant. Events already queued stay for the first poll.
void initMouse(MouseVariant variant);

// Empties the device buffer and puts MouseState back to its start values
// (for tests).
void resetMouseDevice();

// Adds an event to the device buffer; an event beyond the 16th pending one
// is dropped.
void queueMouseEvent(uint32_t offset, int32_t data);

// Takes at most ten pending events, in arrival order, into `mouse`.
void pollMouse();
