// The hit: a low thump that drops in pitch, a splat of resonant noise
// sweeping down, and two small wet squelches after it. About 0.3 s.
#include <cmath>
#include "rng.h"
#include "signal.h"
#include "sounds.h"

std::vector<int16_t> synthHit() {
    const int n = static_cast<int>(0.3 * kSampleRate);
    std::vector<double> out(n);
    Rng rng(2024);
    Resonator splat, squelch;
    LowPass soft;
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate;
        // Thump: 150 Hz falling to 45 Hz, gone after about 80 ms.
        const double pitch = 45 + 105 * std::exp(-t / 0.03);
        phase += 2 * M_PI * pitch / kSampleRate;
        const double thump = std::sin(phase) * std::exp(-t / 0.05);
        // Splat: noise through a resonance sweeping from 1.8 kHz down to 350 Hz.
        const double noise = rng.signedUnit();
        const double sweep = 350 + 1450 * std::exp(-t / 0.04);
        const double body = splat.step(noise, sweep, 300) * 6 * std::exp(-t / 0.045) * std::min(1.0, t / 0.002);
        // Squelches: short bubbly bursts at 140 ms and 200 ms.
        double wet = 0;
        for (double at : {0.14, 0.2}) {
            const double u = t - at;
            if (u > 0 && u < 0.06) wet += std::sin(M_PI * u / 0.06) * 0.6;
        }
        const double bubble = squelch.step(soft.step(noise, 1200), 500 + 400 * std::sin(t * 90), 120) * 4 * wet;
        out[i] = thump * 0.9 + body + bubble;
    }
    return finishSound(out, 0.004, 1.0);
}
