#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The few building blocks our sound effects are made of: noise, tones, filters, envelopes.
namespace art::synth {

inline constexpr int kRate = 22050;

// Mono samples at kRate, nominally between -1 and 1.
using Samples = std::vector<double>;

Samples silence(double seconds);
Samples noise(double seconds, std::uint32_t seed);
// A sine whose pitch glides exponentially from one frequency to another.
Samples glide(double seconds, double fromHz, double toHz);

// Band-pass filtering whose centre may move with time (centreHz is given the time in seconds).
void bandPass(Samples& s, const std::function<double(double)>& centreHz, double q);
void lowPass(Samples& s, double cutoffHz);
void highPass(Samples& s, double cutoffHz);

// Rises linearly over attack seconds, then dies away exponentially with the given time constant.
void envelope(Samples& s, double attack, double decay);

// Brings the last seconds down to silence, so that the end makes no click.
void fadeOut(Samples& s, double seconds);

// Adds src into dst from the given time on, scaled; dst grows as needed.
void mixInto(Samples& dst, const Samples& src, double at, double gain = 1);

// Scales to the given peak and rounds to 16-bit PCM.
std::vector<std::int16_t> toPcm(const Samples& s, double peak = 0.85);

}  // namespace art::synth
