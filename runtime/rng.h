// The 15-bit random generator that stands in for the C library's rand():
// values 0..32767, seeded once at start-up (from the time, or --seed).
#pragma once
#include <cstdint>

struct Rng {
    uint32_t state = 1;
};

inline void seedRng(Rng& rng, uint32_t seed) { rng.state = seed; }

inline int32_t nextRandom(Rng& rng) {
    rng.state = rng.state * 214013u + 2531011u;
    return static_cast<int32_t>((rng.state >> 16) & 0x7FFF);
}
