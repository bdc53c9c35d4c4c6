// Chooses the backend once at start-up and hands every call to it.
#include <algorithm>

#include "platform/backends.h"

namespace platform {

namespace {
bool gHeadless = false;

std::vector<uint16_t>& keptFrame() {
    static std::vector<uint16_t> frame(std::size_t(kScreenWidth) * kScreenHeight, 0);
    return frame;
}
} // namespace

void useHeadless(std::vector<ScriptedEvent> script) {
    gHeadless = true;
    std::fill(keptFrame().begin(), keptFrame().end(), 0);
    headless::start(std::move(script));
}

bool isHeadless() { return gHeadless; }

bool openDisplay(const DisplayOptions& options, std::string& error) {
    return gHeadless ? true : sdl::openDisplay(options, error);
}

void presentFrame(const uint16_t* pixels) {
    std::copy(pixels, pixels + keptFrame().size(), keptFrame().begin());
    if (!gHeadless) sdl::presentFrame(pixels);
}

const uint16_t* presentedFrame() { return keptFrame().data(); }

bool waitEvent(Event& event, uint32_t timeoutMs) {
    return gHeadless ? headless::waitEvent(event, timeoutMs) : sdl::waitEvent(event, timeoutMs);
}

uint32_t ticks() { return gHeadless ? headless::ticks() : sdl::ticks(); }

void beginNextFrame() {
    if (gHeadless) headless::beginNextFrame();
}

bool showMessageBox(const char* caption, const char* text) {
    return gHeadless ? false : sdl::showMessageBox(caption, text);
}

void closeDisplay() {
    if (!gHeadless) sdl::closeDisplay();
}

bool openAudio(int voiceCount) {
    return gHeadless ? headless::openAudio(voiceCount) : sdl::openAudio(voiceCount);
}

bool loadVoice(int index, const PcmFormat& format, const unsigned char* data, std::size_t size) {
    return gHeadless ? headless::loadVoice(index, format, size) : sdl::loadVoice(index, format, data, size);
}

bool playVoice(int index) { return gHeadless ? headless::playVoice(index) : sdl::playVoice(index); }

void closeAudio() { gHeadless ? headless::closeAudio() : sdl::closeAudio(); }

} // namespace platform
