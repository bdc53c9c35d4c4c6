#include "mouse.h"

MouseState mouse;

namespace {

constexpr int kBufferSize = 16;
constexpr int kEventsPerPoll = 10;

struct DeviceEvent {
    uint32_t offset;
    int32_t data;
};

// The device's buffer: a ring of pending events in arrival order.
struct DeviceBuffer {
    DeviceEvent events[kBufferSize];
    int first = 0;
    int count = 0;
};

DeviceBuffer buffer;
MouseVariant variant = MouseVariant::Game;

bool takeEvent(DeviceEvent& event) {
    if (buffer.count == 0) return false;
    event = buffer.events[buffer.first];
    buffer.first = (buffer.first + 1) % kBufferSize;
    --buffer.count;
    return true;
}

int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

void markMoved() {
    if (variant == MouseVariant::Game && mouse.leftButton == 1) mouse.leftButton = 2;
}

void applyEvent(const DeviceEvent& e) {
    const int32_t pressed = (e.data & kButtonDown) ? 1 : 0;
    switch (e.offset) {
    case kMouseX: mouse.moveX = wrappingAdd(mouse.moveX, e.data); markMoved(); break;
    case kMouseY: mouse.moveY = wrappingAdd(mouse.moveY, e.data); markMoved(); break;
    case kMouseWheel: mouse.wheel = wrappingAdd(mouse.wheel, e.data); break;
    case kButtonLeft: mouse.leftButton = pressed; break;
    case kButtonRight: mouse.rightButton = pressed; break;
    case kButtonMiddle: mouse.middleButton = pressed; break;
    default: break;  // the fourth button and anything unknown
    }
}

} // namespace

void initMouse(MouseVariant v) { variant = v; }

void queueMouseEvent(uint32_t offset, int32_t data) {
    if (buffer.count == kBufferSize) return;
    buffer.events[(buffer.first + buffer.count) % kBufferSize] = {offset, data};
    ++buffer.count;
}

void pollMouse() {
    DeviceEvent event;
    for (int i = 0; i < kEventsPerPoll && takeEvent(event); ++i)
        applyEvent(event);
}

void resetMouseDevice() {
    buffer = DeviceBuffer{};
    mouse = MouseState{};
}
