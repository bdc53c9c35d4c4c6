// Which PCM formats the voices take, how long a sound lasts, and the
// "a voice still playing is not restarted" rule kept by the clock alone,
// for the headless backend and for a machine without any audio. SDL-free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace platform {

// The length of `size` bytes of samples in `format` in milliseconds, rounded
// up (a trailing partial frame is not counted). False when the format is not
// one the voices take: integer PCM of 8, 16, 24 or 32 bits or 32-bit float,
// 1 to 8 channels, 1 Hz to 1 MHz.
bool pcmLengthMs(const PcmFormat& format, std::size_t size, uint32_t& lengthMs);

class VoiceClock {
public:
    // Forgets every voice and makes room for `count` of them.
    void reset(int count);
    // Keeps voice `index` with its length; false when out of range.
    bool load(int index, uint32_t lengthMs);
    // Starts voice `index` at `now` unless it is still sounding; true when
    // started. False for a voice out of range or never loaded.
    bool play(int index, uint32_t now);

private:
    struct Slot {
        bool loaded = false;
        bool started = false;
        uint32_t lengthMs = 0;
        uint32_t endMs = 0;
    };
    std::vector<Slot> slots_;
};

} // namespace platform
