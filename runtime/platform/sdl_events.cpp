// SDL input turned into the programs' device events: relative mouse motion,
// buttons and wheel as {offset, data}, keys as virtual-key codes, the close
// request and quit; and the millisecond clock.
#include <SDL.h>

#include "platform/backends.h"
#include "platform/event_queue.h"
#include "platform/keymap.h"

namespace platform::sdl {

static_assert(scancode::A == SDL_SCANCODE_A && scancode::Z == SDL_SCANCODE_Z);
static_assert(scancode::Digit1 == SDL_SCANCODE_1 && scancode::Digit0 == SDL_SCANCODE_0);
static_assert(scancode::Return == SDL_SCANCODE_RETURN && scancode::Escape == SDL_SCANCODE_ESCAPE);
static_assert(scancode::Space == SDL_SCANCODE_SPACE && scancode::Pause == SDL_SCANCODE_PAUSE);
static_assert(scancode::F1 == SDL_SCANCODE_F1 && scancode::F12 == SDL_SCANCODE_F12);
static_assert(scancode::Right == SDL_SCANCODE_RIGHT && scancode::Up == SDL_SCANCODE_UP);
static_assert(scancode::Kp1 == SDL_SCANCODE_KP_1 && scancode::Kp9 == SDL_SCANCODE_KP_9);
static_assert(scancode::Kp0 == SDL_SCANCODE_KP_0 && scancode::KpPeriod == SDL_SCANCODE_KP_PERIOD);
static_assert(scancode::LeftCtrl == SDL_SCANCODE_LCTRL && scancode::RightAlt == SDL_SCANCODE_RALT);

namespace {
EventQueue gQueue;

Event simple(Event::Kind kind) {
    Event event;
    event.kind = kind;
    return event;
}

Event mouse(uint32_t offset, int32_t data) {
    Event event = simple(Event::Mouse);
    event.offset = offset;
    event.data = data;
    return event;
}

void takeButton(const SDL_MouseButtonEvent& button) {
    uint32_t offset;
    switch (button.button) {
        case SDL_BUTTON_LEFT: offset = kOffsetLeft; break;
        case SDL_BUTTON_RIGHT: offset = kOffsetRight; break;
        case SDL_BUTTON_MIDDLE: offset = kOffsetMiddle; break;
        case SDL_BUTTON_X1: offset = kOffsetButton4; break;
        default: return;
    }
    gQueue.push(mouse(offset, button.state == SDL_PRESSED ? kPressed : 0));
}

void takeWheel(const SDL_MouseWheelEvent& wheel) {
    int32_t steps = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (steps != 0) gQueue.push(mouse(kOffsetWheel, steps * 120));
}

void takeKey(const SDL_KeyboardEvent& key) {
    const int code = virtualKey(key.keysym.scancode, key.keysym.sym);
    if (code == 0) return;
    Event event = simple(key.type == SDL_KEYDOWN ? Event::KeyDown : Event::KeyUp);
    event.key = code;
    gQueue.push(event);
}

// Queues what the programs make of one SDL event; the rest is dropped.
void take(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION: gQueue.pushMotion(event.motion.xrel, event.motion.yrel); break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: takeButton(event.button); break;
        case SDL_MOUSEWHEEL: takeWheel(event.wheel); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: takeKey(event.key); break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) gQueue.push(simple(Event::Close));
            break;
        case SDL_QUIT: gQueue.push(simple(Event::Quit)); break;
        default: break;
    }
}

void takePending() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) take(event);
}

// A run of motion waits for more motion until the wait is over.
bool readyToHand() { return !gQueue.empty() && !gQueue.onlyMotion(); }
} // namespace

bool waitEvent(Event& event, uint32_t timeoutMs) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        // No window, nothing can come: just let the time pass.
        gQueue.clear();
        SDL_Delay(timeoutMs);
        return false;
    }
    const uint32_t start = SDL_GetTicks();
    for (;;) {
        takePending();
        if (readyToHand()) return gQueue.pop(event);
        const uint32_t waited = SDL_GetTicks() - start;
        if (waited >= timeoutMs) return gQueue.pop(event);
        SDL_Event next;
        const uint32_t left = timeoutMs - waited;
        if (SDL_WaitEventTimeout(&next, static_cast<int>(left < INT32_MAX ? left : INT32_MAX))) take(next);
    }
}

uint32_t ticks() { return SDL_GetTicks(); }

} // namespace platform::sdl
