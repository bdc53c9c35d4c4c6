// The byte image of a RIFF/WAVE file holding 16-bit PCM mono samples, with
// a plain 16-byte "fmt " chunk followed by the "data" chunk. main calls it
// for the hit sound and the screams.
#pragma once
#include <cstdint>
#include <vector>

std::vector<uint8_t> encodeWav(const std::vector<int16_t>& samples, uint32_t sampleRate);
