// Sound lengths and the clock-kept voice rule (see voice_clock.h).
#include "platform/voice_clock.h"

namespace platform {

namespace {
bool supportedSampleType(const PcmFormat& format) {
    if (format.formatTag == 1) {
        const uint16_t bits = format.bitsPerSample;
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    }
    return format.formatTag == 3 && format.bitsPerSample == 32;
}
} // namespace

bool pcmLengthMs(const PcmFormat& format, std::size_t size, uint32_t& lengthMs) {
    if (!supportedSampleType(format)) return false;
    if (format.channels < 1 || format.channels > 8) return false;
    if (format.samplesPerSec < 1 || format.samplesPerSec > 1000000) return false;
    const uint64_t frameBytes = uint64_t(format.channels) * (format.bitsPerSample / 8);
    const uint64_t frames = uint64_t(size) / frameBytes;
    const uint64_t ms = (frames * 1000 + format.samplesPerSec - 1) / format.samplesPerSec;
    if (ms > UINT32_MAX / 2) return false;  // beyond what the millisecond clock can time
    lengthMs = static_cast<uint32_t>(ms);
    return true;
}

void VoiceClock::reset(int count) { slots_.assign(count > 0 ? count : 0, Slot()); }

bool VoiceClock::load(int index, uint32_t lengthMs) {
    if (index < 0 || index >= static_cast<int>(slots_.size())) return false;
    Slot& slot = slots_[index];
    slot = Slot();
    slot.loaded = true;
    slot.lengthMs = lengthMs;
    return true;
}

bool VoiceClock::play(int index, uint32_t now) {
    if (index < 0 || index >= static_cast<int>(slots_.size())) return false;
    Slot& slot = slots_[index];
    if (!slot.loaded) return false;
    // Signed difference, so that the clock wrapping after 49 days is harmless.
    if (slot.started && static_cast<int32_t>(now - slot.endMs) < 0) return false;
    slot.started = true;
    slot.endMs = now + slot.lengthMs;
    return true;
}

} // namespace platform
