#include "window.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "mouse.h"
#include "png_writer.h"
#include "run.h"
#include "trace.h"
#include "video.h"

uint8_t keyState[256];

namespace {

constexpr uint32_t kFramePeriod = 50;

std::string windowTitle;
KeyDownHook keyDownHook = nullptr;
bool startupMessagesHandled = false;
int frameIndex = 0;

void handleWaitingMessages() {
    platform::Event message;
    while (platform::waitEvent(message, 0)) windowProc(message);
}

void takeShots(int frame) {
    for (const Shot& shot : currentRun().shots) {
        if (shot.frame != frame) continue;
        if (!writePng565(shot.path.c_str(), platform::presentedFrame()))
            std::fprintf(stderr, "could not write %s\n", shot.path.c_str());
    }
}

// A headless run ends after its last frame like a normal program end.
[[noreturn]] void finishRun() {
    releaseAll();
    closeTrace();
    std::exit(0);
}

} // namespace

void createMainWindow(const char* title, KeyDownHook hook) {
    windowTitle = title;
    keyDownHook = hook;
}

const char* mainWindowTitle() { return windowTitle.c_str(); }

int mapKeypad(int code) {
    switch (code) {
    case VK_NUMPAD4: return VK_LEFT;
    case VK_NUMPAD8: return VK_UP;
    case VK_NUMPAD6: return VK_RIGHT;
    case VK_NUMPAD2: return VK_DOWN;
    default: return code;
    }
}

void windowProc(const platform::Event& message) {
    switch (message.kind) {
    case platform::Event::Mouse:
        queueMouseEvent(message.offset, message.data);
        break;
    case platform::Event::KeyDown: {
        if (message.key == VK_ESCAPE || message.key == VK_PAUSE) fatalStop(nullptr);
        const int code = mapKeypad(message.key);
        if (code <= 0 || code > 255) break;
        keyState[code] = 1;
        if (keyDownHook) keyDownHook(code);
        break;
    }
    case platform::Event::KeyUp: {
        const int code = mapKeypad(message.key);
        if (code > 0 && code <= 255) keyState[code] = 0;
        break;
    }
    case platform::Event::Close:
    case platform::Event::Quit:
        fatalStop(nullptr);
    case platform::Event::None:
        break;
    }
}

int getKeyB() { return static_cast<int8_t>(keyState[VK_B]); }
int getKeySpace() { return static_cast<int8_t>(keyState[VK_SPACE]); }
int getKeyUp() { return static_cast<int8_t>(keyState[VK_UP]); }
int getKeyDown() { return static_cast<int8_t>(keyState[VK_DOWN]); }
int getKeyLeft() { return static_cast<int8_t>(keyState[VK_LEFT]); }
int getKeyRight() { return static_cast<int8_t>(keyState[VK_RIGHT]); }

uint32_t readTimer() {
    if (!startupMessagesHandled) {
        startupMessagesHandled = true;
        handleWaitingMessages();
    }
    return platform::ticks();
}

void endFrame(uint32_t frameStart) {
    if (tracing()) writeTraceLine(frameIndex);
    flipFrame();
    if (platform::isHeadless()) {
        takeShots(frameIndex);
        if (frameIndex + 1 >= currentRun().frames) finishRun();
        platform::beginNextFrame();
    }
    ++frameIndex;
    for (;;) {
        handleWaitingMessages();
        const uint32_t now = platform::ticks();
        if (!(now < frameStart + kFramePeriod)) return;
        platform::Event message;
        if (platform::waitEvent(message, frameStart + kFramePeriod - now)) windowProc(message);
    }
}

void fatalStop(const char* text) {
    releaseAll();
    if (text) {
        std::fprintf(stderr, "%s\n", text);
        if (!platform::isHeadless()) platform::showMessageBox("Message", text);
    }
    closeTrace();
    std::exit(1);
}
