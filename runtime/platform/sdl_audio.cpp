// Audio through SDL2_mixer: one mixer channel per voice, each sound
// converted once at load to the device's format; a voice still playing is
// not restarted. Without any audio device the voices keep time by the clock.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <memory>

#include "platform/backends.h"
#include "platform/voice_clock.h"

namespace platform::sdl {

namespace {
// Twelve hits and a scream can sound at once: keep their sum from clipping.
constexpr int kVoiceVolume = MIX_MAX_VOLUME / 3;

struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};

struct Voice {
    bool loaded = false;
    std::vector<Uint8> samples;  // in the device's format; the chunk points here
    std::unique_ptr<Mix_Chunk, ChunkFree> chunk;
};

struct Audio {
    bool subsystemStarted = false;
    bool deviceOpen = false;
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    std::vector<Voice> voices;
    VoiceClock clock;  // used when no device could be opened
};
Audio gAudio;

bool tryOpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    gAudio.subsystemStarted = true;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return false;
    gAudio.deviceOpen = Mix_QuerySpec(&gAudio.frequency, &gAudio.format, &gAudio.channels) != 0;
    return gAudio.deviceOpen;
}

void stopSubsystem() {
    if (gAudio.deviceOpen) Mix_CloseAudio();
    gAudio.deviceOpen = false;
    if (gAudio.subsystemStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    gAudio.subsystemStarted = false;
}

SDL_AudioFormat sourceFormat(const PcmFormat& format) {
    if (format.formatTag == 3) return AUDIO_F32LSB;
    switch (format.bitsPerSample) {
        case 8: return AUDIO_U8;
        case 16: return AUDIO_S16LSB;
        default: return AUDIO_S32LSB;  // 24-bit is widened to 32 first
    }
}

// 24-bit little-endian samples to 32-bit ones, which SDL can convert.
std::vector<Uint8> widen24(const unsigned char* data, std::size_t size) {
    const std::size_t samples = size / 3;
    std::vector<Uint8> wide(samples * 4);
    for (std::size_t i = 0; i < samples; ++i) {
        wide[i * 4] = 0;
        std::memcpy(&wide[i * 4 + 1], data + i * 3, 3);
    }
    return wide;
}

// The samples in the device's format; false when SDL cannot convert them.
bool convertForDevice(const PcmFormat& format, const unsigned char* data, std::size_t size,
                      std::vector<Uint8>& out) {
    const std::size_t frameBytes = std::size_t(format.channels) * (format.bitsPerSample / 8);
    size -= size % frameBytes;
    std::vector<Uint8> source = format.bitsPerSample == 24 && format.formatTag == 1
                                    ? widen24(data, size)
                                    : std::vector<Uint8>(data, data + size);
    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, sourceFormat(format), Uint8(format.channels),
                                         int(format.samplesPerSec), gAudio.format, Uint8(gAudio.channels),
                                         gAudio.frequency);
    if (needed < 0) return false;
    if (needed == 0) {
        out = std::move(source);
        return true;
    }
    if (source.size() > std::size_t(INT32_MAX) / std::size_t(cvt.len_mult)) return false;
    cvt.len = int(source.size());
    source.resize(source.size() * cvt.len_mult);
    cvt.buf = source.data();
    if (SDL_ConvertAudio(&cvt) != 0) return false;
    source.resize(std::size_t(cvt.len_cvt));
    out = std::move(source);
    return true;
}

bool validIndex(int index) { return index >= 0 && index < int(gAudio.voices.size()); }
} // namespace

bool openAudio(int voiceCount) {
    closeAudio();
    if (voiceCount < 0) voiceCount = 0;
    gAudio.voices.resize(voiceCount);
    gAudio.clock.reset(voiceCount);
    if (!tryOpenDevice()) {
        // No usable device (no sound server, no card): a silent one keeps
        // the voices' timing real.
        stopSubsystem();
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!tryOpenDevice()) {
            stopSubsystem();
            return false;
        }
    }
    Mix_AllocateChannels(voiceCount);
    Mix_Volume(-1, kVoiceVolume);
    return true;
}

bool loadVoice(int index, const PcmFormat& format, const unsigned char* data, std::size_t size) {
    uint32_t lengthMs = 0;
    if (!validIndex(index) || !pcmLengthMs(format, size, lengthMs)) return false;
    Voice& voice = gAudio.voices[index];
    voice.loaded = false;
    voice.chunk.reset();  // stops it first, then its samples may go
    voice.samples.clear();
    if (!gAudio.deviceOpen) {
        voice.loaded = gAudio.clock.load(index, lengthMs);
        return voice.loaded;
    }
    if (!convertForDevice(format, data, size, voice.samples)) return false;
    if (!voice.samples.empty()) {
        voice.chunk.reset(Mix_QuickLoad_RAW(voice.samples.data(), Uint32(voice.samples.size())));
        if (!voice.chunk) return false;
    }
    voice.loaded = true;
    return true;
}

bool playVoice(int index) {
    if (!validIndex(index) || !gAudio.voices[index].loaded) return false;
    if (!gAudio.deviceOpen) return gAudio.clock.play(index, SDL_GetTicks());
    Voice& voice = gAudio.voices[index];
    if (!voice.chunk) return true;  // a sound of no length is over as it starts
    if (Mix_Playing(index)) return false;
    return Mix_PlayChannel(index, voice.chunk.get(), 0) != -1;
}

void closeAudio() {
    if (gAudio.deviceOpen) Mix_HaltChannel(-1);
    gAudio.voices.clear();  // frees the chunks while the mixer is still open
    gAudio.clock.reset(0);
    stopSubsystem();
}

} // namespace platform::sdl
