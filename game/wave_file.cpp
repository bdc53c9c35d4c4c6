#include "wave_file.h"

#include <cstring>

#include "files.h"

namespace {

constexpr uint32_t kChunkHeader = 8;
constexpr uint32_t kFormatRecord = 18;
constexpr uint32_t kPcmFormatChunk = 16;

uint32_t read32(const unsigned char* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t read16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

bool sameTag(const unsigned char* p, const char tag[4]) { return std::memcmp(p, tag, 4) == 0; }

// The RIFF chunk's form data: from after "WAVE" to the chunk's end.
bool findWaveForm(const std::vector<unsigned char>& image, uint64_t& begin, uint64_t& end) {
    if (image.size() < kChunkHeader + 4) return false;
    const unsigned char* p = image.data();
    if (!sameTag(p, "RIFF") || !sameTag(p + 8, "WAVE")) return false;
    const uint64_t riffEnd = uint64_t(kChunkHeader) + read32(p + 4);
    if (riffEnd > image.size() || riffEnd < kChunkHeader + 4) return false;
    begin = kChunkHeader + 4;
    end = riffEnd;
    return true;
}

} // namespace

bool findWaveChunk(const std::vector<unsigned char>& image, const char id[4], ChunkSpan& span) {
    uint64_t at, end;
    if (!findWaveForm(image, at, end)) return false;
    // Sub-chunks follow one another, each padded to an even length.
    while (at + kChunkHeader <= end) {
        const unsigned char* header = image.data() + at;
        const uint64_t length = read32(header + 4);
        const uint64_t dataStart = at + kChunkHeader;
        if (dataStart + length > end) return false;
        if (sameTag(header, id)) {
            span.offset = static_cast<uint32_t>(dataStart);
            span.length = static_cast<uint32_t>(length);
            return true;
        }
        at = dataStart + length + (length & 1);
    }
    return false;
}

int32_t WaveFile::loadFile(const char* fileName) {
    release();
    if (!readWholeFile(fileName, bytes_) || bytes_.empty() || bytes_.size() > UINT32_MAX) {
        release();
        return 0;
    }
    ChunkSpan format, data;
    if (!findWaveChunk(bytes_, "fmt ", format) || format.length < kPcmFormatChunk ||
        !findWaveChunk(bytes_, "data", data)) {
        release();
        return 0;
    }
    return 1;
}

int32_t WaveFile::readFormat(WaveFormatEx& format) const {
    ChunkSpan span;
    if (bytes_.empty() || !findWaveChunk(bytes_, "fmt ", span)) return 0;
    // The record is read whole from the chunk's start, so a 16-byte chunk
    // lends the two bytes after it to extraSize, if the file has them.
    unsigned char record[kFormatRecord];
    const uint32_t available = static_cast<uint32_t>(bytes_.size()) - span.offset;
    const uint32_t count = available < kFormatRecord ? available : kFormatRecord;
    std::memcpy(record, bytes_.data() + span.offset, count);
    if (count >= 2) format.formatTag = read16(record);
    if (count >= 4) format.channels = read16(record + 2);
    if (count >= 8) format.samplesPerSec = read32(record + 4);
    if (count >= 12) format.avgBytesPerSec = read32(record + 8);
    if (count >= 14) format.blockAlign = read16(record + 12);
    if (count >= 16) format.bitsPerSample = read16(record + 14);
    if (count >= 18) format.extraSize = read16(record + 16);
    return 1;
}

uint32_t WaveFile::dataSize() const {
    ChunkSpan span;
    if (bytes_.empty() || !findWaveChunk(bytes_, "data", span)) return 0;
    return span.length;
}

uint32_t WaveFile::readData(void* destination, uint32_t capacity) const {
    ChunkSpan span;
    if (bytes_.empty() || !findWaveChunk(bytes_, "data", span)) return 0;
    const uint32_t count = capacity < span.length ? capacity : span.length;
    if (count > 0) std::memcpy(destination, bytes_.data() + span.offset, count);
    return count;
}

int32_t WaveFile::release() {
    if (bytes_.empty()) return 0;
    bytes_.clear();
    bytes_.shrink_to_fit();
    return 1;
}
