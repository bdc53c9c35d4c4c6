#include "signal.h"
#include <algorithm>
#include <cmath>

double Resonator::step(double x, double frequency, double bandwidth) {
    const double t = 1.0 / kSampleRate;
    const double c = -std::exp(-2 * M_PI * bandwidth * t);
    const double b = 2 * std::exp(-M_PI * bandwidth * t) * std::cos(2 * M_PI * frequency * t);
    const double a = 1 - b - c;
    const double y = a * x + b * y1_ + c * y2_;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double LowPass::step(double x, double cutoff) {
    const double k = 1 - std::exp(-2 * M_PI * cutoff / kSampleRate);
    y_ += k * (x - y_);
    return y_;
}

std::vector<int16_t> finishSound(std::vector<double> s, double fadeSeconds, double peakDb) {
    // DC blocker: first-order high-pass around 20 Hz.
    double prevIn = 0, prevOut = 0;
    const double r = 1 - 2 * M_PI * 20.0 / kSampleRate;
    for (double& v : s) {
        const double out = v - prevIn + r * prevOut;
        prevIn = v;
        prevOut = out;
        v = out;
    }
    const size_t fade = std::min(s.size() / 2, static_cast<size_t>(fadeSeconds * kSampleRate));
    for (size_t i = 0; i < fade; ++i) {
        const double g = 0.5 - 0.5 * std::cos(M_PI * double(i) / double(fade));
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0 ? 32767.0 * std::pow(10.0, -peakDb / 20) / peak : 0;
    std::vector<int16_t> pcm(s.size());
    for (size_t i = 0; i < s.size(); ++i) pcm[i] = static_cast<int16_t>(std::lround(s[i] * gain));
    return pcm;
}
