// Screams: a glottal pulse train (pitch contour, vibrato, jitter, breath
// noise and some roughness) through a cascade of four formant resonators
// gliding from one vowel to another. Eight recipes give eight voices.
#include <algorithm>
#include <cmath>
#include "rng.h"
#include "signal.h"
#include "sounds.h"

namespace {

struct Vowel {
    double f[4];   // formant frequencies, Hz
    double bw[4];  // bandwidths, Hz
};

// Shouted vowels: the mouth wide open raises the first formant.
const Vowel kA{{850, 1250, 2800, 3700}, {110, 120, 180, 250}};
const Vowel kAe{{720, 1750, 2600, 3600}, {100, 120, 170, 250}};
const Vowel kE{{560, 1900, 2650, 3600}, {90, 120, 170, 250}};
const Vowel kI{{350, 2400, 3100, 3800}, {80, 120, 180, 250}};
const Vowel kO{{620, 950, 2700, 3600}, {100, 110, 170, 250}};
const Vowel kU{{420, 820, 2500, 3500}, {80, 100, 170, 250}};

struct Recipe {
    double seconds;
    double f0Start, f0Peak, f0End;  // pitch at the start, at its highest, at the end
    double peakAt;                  // fraction of the length where the pitch peaks
    const Vowel* from;
    const Vowel* to;
    double vibratoHz, vibratoDepth;  // depth as a fraction of the pitch
    double breath;                   // aspiration noise, 0 to 1
    double rough;                    // period-to-period roughness, 0 to 1
    double scale;                    // formant scale: >1 a smaller, younger voice
    uint32_t seed;
};

const Recipe kRecipes[kScreamCount] = {
    {1.10, 300, 620, 380, 0.25, &kA, &kA, 6.0, 0.04, 0.20, 0.15, 1.00, 11},   // long open "aaah"
    {0.80, 520, 900, 700, 0.30, &kI, &kE, 7.0, 0.03, 0.25, 0.10, 1.15, 12},   // shrill "eee"
    {1.30, 220, 330, 150, 0.20, &kO, &kU, 5.0, 0.05, 0.25, 0.35, 0.90, 13},   // deep falling "ooh"
    {0.60, 400, 760, 300, 0.15, &kAe, &kA, 8.0, 0.02, 0.35, 0.25, 1.05, 14},  // short yelp
    {1.40, 350, 560, 500, 0.60, &kA, &kI, 5.5, 0.06, 0.18, 0.10, 1.00, 15},   // rising wail
    {0.90, 260, 460, 200, 0.35, &kE, &kO, 4.5, 0.05, 0.30, 0.55, 0.92, 16},   // rough bellow
    {1.00, 700, 1000, 640, 0.40, &kI, &kI, 9.0, 0.04, 0.30, 0.05, 1.20, 17},  // piercing shriek
    {1.20, 320, 520, 240, 0.30, &kAe, &kU, 6.5, 0.07, 0.22, 0.20, 1.00, 18},  // sobbing cry
};

// Pitch at fraction u of the sound: a smooth rise to the peak, then a fall.
double contour(const Recipe& r, double u) {
    if (u < r.peakAt) {
        const double k = 0.5 - 0.5 * std::cos(M_PI * u / r.peakAt);
        return r.f0Start + (r.f0Peak - r.f0Start) * k;
    }
    const double k = 0.5 - 0.5 * std::cos(M_PI * (u - r.peakAt) / (1 - r.peakAt));
    return r.f0Peak + (r.f0End - r.f0Peak) * k;
}

// Glottal flow over one period (phase 0 to 1): opening, closing, closed.
double glottalFlow(double phase) {
    if (phase < 0.45) return 0.5 - 0.5 * std::cos(M_PI * phase / 0.45);
    if (phase < 0.65) return std::cos(0.5 * M_PI * (phase - 0.45) / 0.2);
    return 0;
}

double envelope(double t, double seconds) {
    const double attack = std::min(1.0, t / 0.05);
    const double tail = std::clamp((seconds - t) / (seconds * 0.35), 0.0, 1.0);
    return attack * (0.3 + 0.7 * tail) * std::sqrt(tail);
}

std::vector<double> voice(const Recipe& r) {
    const int n = static_cast<int>(r.seconds * kSampleRate);
    std::vector<double> out(n);
    Rng rng(r.seed);
    Resonator tract[4];
    LowPass breathFilter;
    double phase = 0, lastFlow = 0, jitter = 0, periodGain = 1;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kSampleRate, u = t / r.seconds;
        jitter = 0.995 * jitter + 0.005 * rng.signedUnit();
        const double vibrato = 1 + r.vibratoDepth * std::min(1.0, t / 0.2) * std::sin(2 * M_PI * r.vibratoHz * t);
        const double f0 = contour(r, u) * vibrato * (1 + 0.4 * jitter);
        phase += f0 / kSampleRate;
        if (phase >= 1) {
            phase -= 1;
            periodGain = 1 - r.rough * rng.unit();  // shimmer: each period a little different
        }
        const double flow = glottalFlow(phase) * periodGain;
        const double pulse = (flow - lastFlow) * 40;  // radiated: the flow's derivative
        lastFlow = flow;
        const double breath = breathFilter.step(rng.signedUnit(), 4000) * r.breath * (0.4 + flow);
        double x = pulse + breath * 3;
        for (int k = 0; k < 4; ++k) {
            const double f = (r.from->f[k] + (r.to->f[k] - r.from->f[k]) * u) * r.scale;
            const double bw = r.from->bw[k] + (r.to->bw[k] - r.from->bw[k]) * u;
            x = tract[k].step(x, f, bw);
        }
        out[i] = x * envelope(t, r.seconds);
    }
    return out;
}

}  // namespace

std::vector<int16_t> synthScream(int n) {
    return finishSound(voice(kRecipes[(n - 1) % kScreamCount]), 0.01, 1.0);
}
