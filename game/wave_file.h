// The image of one .wav file in memory and a RIFF chunk reader over it.
// The sound bank loads each of its twenty files into a WaveFile at start-up,
// takes the format and the samples out of it, and then lets it go.
#pragma once
#include <cstdint>
#include <vector>

// The 18-byte format record at the start of the "fmt " chunk.
struct WaveFormatEx {
    uint16_t formatTag;
    uint16_t channels;
    uint32_t samplesPerSec;
    uint32_t avgBytesPerSec;
    uint16_t blockAlign;
    uint16_t bitsPerSample;
    uint16_t extraSize;
};

class WaveFile {
public:
    WaveFile() = default;
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;
    virtual ~WaveFile() { release(); }

    // Replaces the contents with the whole file: 1 on success; 0 when the
    // file is missing, empty, or not a RIFF/WAVE image whose "fmt " (at
    // least 16 bytes) and "data" chunks lie wholly inside it.
    int32_t loadFile(const char* fileName);
    // Copies the format record out of the "fmt " chunk: 0 when nothing is
    // loaded, else 1. A 16-byte chunk gives extraSize from the two bytes
    // after it when the file has them; fields beyond the file's end keep
    // their value.
    int32_t readFormat(WaveFormatEx& format) const;
    // Length of the "data" chunk's samples; 0 when nothing is loaded.
    uint32_t dataSize() const;
    // Copies at most `capacity` sample bytes; returns how many it copied.
    uint32_t readData(void* destination, uint32_t capacity) const;
    // 1 when something was freed, 0 when nothing was loaded.
    int32_t release();

private:
    std::vector<unsigned char> bytes_;
};

// Where one chunk's data lies in a file image.
struct ChunkSpan {
    uint32_t offset;   // first data byte
    uint32_t length;   // as the chunk header says
};

// Looks for sub-chunk `id` of the file's RIFF "WAVE" chunk; false when the
// image is no RIFF/WAVE, the chunk is absent, or a chunk length on the way
// (the RIFF one included) runs past the image's end.
bool findWaveChunk(const std::vector<unsigned char>& image, const char id[4], ChunkSpan& span);
