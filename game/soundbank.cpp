#include "soundbank.h"

#include <vector>

#include "platform/platform.h"
#include "wave_file.h"

namespace {

constexpr int kHitCopies = 12;

// The file of each voice: twelve copies of the hit, then the screams 2 to 8,
// then scream 1.
const char* const kSoundFiles[kSoundCount] = {
    "wave2\\Kill.wav", "wave2\\Kill.wav", "wave2\\Kill.wav", "wave2\\Kill.wav",
    "wave2\\Kill.wav", "wave2\\Kill.wav", "wave2\\Kill.wav", "wave2\\Kill.wav",
    "wave2\\Kill.wav", "wave2\\Kill.wav", "wave2\\Kill.wav", "wave2\\Kill.wav",
    "wave2\\himei2.wav", "wave2\\himei3.wav", "wave2\\himei4.wav", "wave2\\himei5.wav",
    "wave2\\himei6.wav", "wave2\\himei7.wav", "wave2\\himei8.wav", "wave2\\himei1.wav",
};
static_assert(kHitCopies + 8 == kSoundCount, "twelve hits and eight screams");

bool voiceReady[kSoundCount];
std::vector<SoundPlay> plays;

// Hands one loaded file to the audio device as voice `index`; a voice the
// device cannot take stays silent.
void buildVoice(int index, const WaveFile& wave) {
    WaveFormatEx format{};
    wave.readFormat(format);
    std::vector<unsigned char> samples(wave.dataSize());
    const uint32_t count = wave.readData(samples.data(), static_cast<uint32_t>(samples.size()));
    platform::PcmFormat pcm;
    pcm.formatTag = format.formatTag;
    pcm.channels = format.channels;
    pcm.samplesPerSec = format.samplesPerSec;
    pcm.bitsPerSample = format.bitsPerSample;
    voiceReady[index] = platform::loadVoice(index, pcm, samples.data(), count);
}

} // namespace

const char* soundFileName(int index) {
    return index >= 0 && index < kSoundCount ? kSoundFiles[index] : nullptr;
}

int32_t initSound(const char** failedFile) {
    // No device at all: the game runs silent (the voices stay unready).
    const bool audio = platform::openAudio(kSoundCount);
    WaveFile waves[kSoundCount];
    for (int i = 0; i < kSoundCount; ++i) {
        if (waves[i].loadFile(kSoundFiles[i]) == 0) {
            for (WaveFile& w : waves) w.release();
            if (failedFile) *failedFile = kSoundFiles[i];
            return 0;
        }
    }
    for (int i = 0; i < kSoundCount; ++i) {
        voiceReady[i] = false;
        if (audio) buildVoice(i, waves[i]);
    }
    plays.reserve(256);
    return 1;
}

void playSound(int index) {
    if (index < 0 || index >= kSoundCount) return;
    const bool started = voiceReady[index] && platform::playVoice(index);
    plays.push_back(SoundPlay{index, started});
}

const std::vector<SoundPlay>& soundPlays() { return plays; }

void clearSoundPlays() { plays.clear(); }
