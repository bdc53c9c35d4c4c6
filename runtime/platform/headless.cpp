// The headless backend: a virtual clock, device events from the input
// script, and voices that exist only for their length.
#include <algorithm>

#include "platform/backends.h"
#include "platform/voice_clock.h"

namespace platform::headless {

namespace {
struct State {
    std::vector<ScriptedEvent> script;  // sorted by frame, file order kept within one
    std::size_t next = 0;               // first script event not yet handed out
    int frame = 0;
    uint32_t clockMs = 0;
    VoiceClock voices;
};

State& state() {
    static State s;
    return s;
}
} // namespace

void start(std::vector<ScriptedEvent> script) {
    State& s = state();
    std::stable_sort(script.begin(), script.end(),
                     [](const ScriptedEvent& a, const ScriptedEvent& b) { return a.frame < b.frame; });
    s = State();
    s.script = std::move(script);
}

bool waitEvent(Event& event, uint32_t timeoutMs) {
    State& s = state();
    // Events of frames already gone can no longer be delivered.
    while (s.next < s.script.size() && s.script[s.next].frame < s.frame) ++s.next;
    if (s.next < s.script.size() && s.script[s.next].frame == s.frame) {
        event = s.script[s.next++].event;
        return true;
    }
    s.clockMs += timeoutMs;
    return false;
}

uint32_t ticks() { return state().clockMs; }

void beginNextFrame() { ++state().frame; }

bool openAudio(int voiceCount) {
    state().voices.reset(voiceCount);
    return true;
}

bool loadVoice(int index, const PcmFormat& format, std::size_t size) {
    uint32_t lengthMs = 0;
    return pcmLengthMs(format, size, lengthMs) && state().voices.load(index, lengthMs);
}

bool playVoice(int index) { return state().voices.play(index, ticks()); }

void closeAudio() { state().voices.reset(0); }

} // namespace platform::headless

