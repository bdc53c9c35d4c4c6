// Building blocks of our sound synthesis: a formant resonator, noise,
// and the finishing steps every sound goes through (DC removal, short
// fades, peak normalisation to 16-bit). Used by the scream and hit makers.
#pragma once
#include <cstdint>
#include <vector>

constexpr int kSampleRate = 22050;

// Two-pole resonator with unity gain at 0 Hz (a formant of a cascade
// vocal tract). Frequency and bandwidth may change every sample.
class Resonator {
public:
    double step(double x, double frequency, double bandwidth);

private:
    double y1_ = 0, y2_ = 0;
};

// One-pole low-pass, for softening noise.
class LowPass {
public:
    double step(double x, double cutoff);

private:
    double y_ = 0;
};

// Removes any DC offset, fades the first and last `fadeSeconds` in and out,
// and scales so the highest peak sits at `peakDb` below full scale.
std::vector<int16_t> finishSound(std::vector<double> samples, double fadeSeconds, double peakDb);
