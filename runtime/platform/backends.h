// The two backends behind platform.h; backend.cpp picks one per call.
// SDL-free: the SDL backend's files keep SDL to themselves.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace platform::sdl {
bool openDisplay(const DisplayOptions& options, std::string& error);
void presentFrame(const uint16_t* pixels);
bool showMessageBox(const char* caption, const char* text);
void closeDisplay();
bool waitEvent(Event& event, uint32_t timeoutMs);
uint32_t ticks();
bool openAudio(int voiceCount);
bool loadVoice(int index, const PcmFormat& format, const unsigned char* data, std::size_t size);
bool playVoice(int index);
void closeAudio();
} // namespace platform::sdl

namespace platform::headless {
void start(std::vector<ScriptedEvent> script);
bool waitEvent(Event& event, uint32_t timeoutMs);
uint32_t ticks();
void beginNextFrame();
bool openAudio(int voiceCount);
bool loadVoice(int index, const PcmFormat& format, std::size_t size);
bool playVoice(int index);
void closeAudio();
} // namespace platform::headless
