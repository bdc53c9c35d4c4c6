#include "wav_writer.h"
#include "le_bytes.h"

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, uint32_t sampleRate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size()) * 2;
    const uint32_t padded = dataBytes + (dataBytes & 1);  // always even for 16-bit, kept for form
    std::vector<uint8_t> out;
    out.reserve(44 + padded);

    putTag(out, "RIFF");
    putU32(out, 4 + (8 + 16) + (8 + padded));
    putTag(out, "WAVE");

    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1);               // PCM
    putU16(out, 1);               // mono
    putU32(out, sampleRate);
    putU32(out, sampleRate * 2);  // bytes per second
    putU16(out, 2);               // block alignment
    putU16(out, 16);              // bits per sample

    putTag(out, "data");
    putU32(out, dataBytes);
    for (int16_t s : samples) putU16(out, static_cast<uint16_t>(s));
    if (padded != dataBytes) out.push_back(0);
    return out;
}
