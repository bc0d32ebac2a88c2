#include "art/synth.h"

#include "art/steady_random.h"

#include <algorithm>
#include <cmath>

namespace art::synth {
namespace {

size_t frames(double seconds) { return static_cast<size_t>(std::max(0.0, seconds) * kRate); }

// A second-order filter section (the common "cookbook" forms).
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    double step(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

    void setBandPass(double hz, double q) {
        const double w = 2 * M_PI * std::clamp(hz, 20.0, kRate * 0.45) / kRate;
        const double alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        b0 = alpha / a0;
        b1 = 0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
};

}  // namespace

Samples silence(double seconds) { return Samples(frames(seconds), 0.0); }

Samples noise(double seconds, std::uint32_t seed) {
    SteadyRandom rnd(seed);
    Samples s(frames(seconds));
    for (double& v : s) v = rnd.signedNext();
    return s;
}

Samples glide(double seconds, double fromHz, double toHz) {
    Samples s(frames(seconds));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / std::max<size_t>(1, s.size() - 1);
        phase += 2 * M_PI * fromHz * std::pow(toHz / fromHz, t) / kRate;
        s[i] = std::sin(phase);
    }
    return s;
}

void bandPass(Samples& s, const std::function<double(double)>& centreHz, double q) {
    Biquad f;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i % 32 == 0) f.setBandPass(centreHz(static_cast<double>(i) / kRate), q);
        s[i] = f.step(s[i]);
    }
}

void lowPass(Samples& s, double cutoffHz) {
    const double a = 1 - std::exp(-2 * M_PI * cutoffHz / kRate);
    double y = 0;
    for (double& v : s) v = y += a * (v - y);
}

void highPass(Samples& s, double cutoffHz) {
    Samples low = s;
    lowPass(low, cutoffHz);
    for (size_t i = 0; i < s.size(); ++i) s[i] -= low[i];
}

void envelope(Samples& s, double attack, double decay) {
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] *= t < attack ? t / attack : std::exp(-(t - attack) / decay);
    }
}

void fadeOut(Samples& s, double seconds) {
    const size_t n = std::min(s.size(), frames(seconds));
    for (size_t i = 0; i < n; ++i) s[s.size() - 1 - i] *= static_cast<double>(i) / n;
}

void mixInto(Samples& dst, const Samples& src, double at, double gain) {
    const size_t start = frames(at);
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i) dst[start + i] += src[i] * gain;
}

std::vector<std::int16_t> toPcm(const Samples& s, double peak) {
    double loudest = 0;
    for (double v : s) loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? peak * 32767 / loudest : 0;
    std::vector<std::int16_t> pcm(s.size());
    std::transform(s.begin(), s.end(), pcm.begin(),
                   [scale](double v) { return static_cast<std::int16_t>(std::lround(v * scale)); });
    return pcm;
}

}  // namespace art::synth
