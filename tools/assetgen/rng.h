// A small fixed-seed pseudo-random generator (xorshift32), so that noise,
// scattered windows and blood droplets come out the same on every run.
// Used by the painters and the sound synthesis.
#pragma once
#include <cstdint>

class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

    uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Uniform in [-1, 1).
    double signedUnit() { return unit() * 2.0 - 1.0; }

private:
    uint32_t state_;
};
