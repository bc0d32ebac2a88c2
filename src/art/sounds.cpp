#include "art/sounds.h"

#include "art/steady_random.h"
#include "art/synth.h"
#include "art/wav.h"

#include <cmath>

namespace art {
namespace {

using namespace synth;

// A card slapped onto the table: a bright crack of noise over a soft knock of the wood.
Samples cardSnap(std::uint32_t seed, double brightness = 2600) {
    Samples crack = noise(0.07, seed);
    bandPass(crack, [=](double) { return brightness; }, 0.9);
    envelope(crack, 0.001, 0.011);
    Samples knock = glide(0.06, 150, 90);
    envelope(knock, 0.001, 0.012);
    mixInto(crack, knock, 0, 0.35);
    return crack;
}

Samples flick() {
    Samples s = silence(0.02);
    mixInto(s, cardSnap(7), 0.005);
    return s;
}

// Cards gathered into a pile: a soft swish with the riffle of the edges, squared off with a tap.
Samples pageTurn() {
    Samples swish = noise(0.5, 11);
    lowPass(swish, 3500);
    highPass(swish, 400);
    envelope(swish, 0.18, 0.12);
    SteadyRandom rnd(12);
    for (int i = 0; i < 12; ++i) mixInto(swish, cardSnap(100 + i, 3000 + rnd.next() * 1500), 0.04 + i * 0.028 + rnd.next() * 0.01, 0.5);
    mixInto(swish, cardSnap(200, 1800), 0.46, 0.6);
    return swish;
}

// One die knocking on the board: a short ringing click.
Samples clack(std::uint32_t seed, double pitch) {
    Samples s = noise(0.05, seed);
    bandPass(s, [=](double) { return pitch; }, 7);
    envelope(s, 0.0005, 0.014);
    Samples tick = noise(0.006, seed + 1);
    envelope(tick, 0.0002, 0.0015);
    mixInto(s, tick, 0, 0.4);
    return s;
}

Samples dice() {
    Samples s = silence(0.6);
    const double times[] = {0, 0.05, 0.09, 0.16, 0.2, 0.29, 0.36, 0.47};
    SteadyRandom rnd(21);
    for (int i = 0; i < 8; ++i) mixInto(s, clack(30 + i, 1800 + rnd.next() * 1600), times[i], 1 - i * 0.09);
    return s;
}

// A wet squirt: hissing noise whose colour rises, with a gurgle in it.
Samples squirt() {
    Samples s = noise(0.32, 41);
    bandPass(s, [](double t) { return 900 + 9000 * t; }, 2.5);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] *= std::min(1.0, t / 0.015) * std::exp(-t / 0.12) * (0.75 + 0.25 * std::sin(2 * M_PI * 28 * t));
    }
    return s;
}

// A shell whistling in, then the blast.
Samples missile() {
    Samples whistle = glide(0.75, 2000, 700);
    for (size_t i = 0; i < whistle.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        whistle[i] *= 0.25 * std::min(1.0, t / 0.2);
    }
    Samples blast = noise(1.0, 51);
    lowPass(blast, 700);
    lowPass(blast, 900);
    envelope(blast, 0.004, 0.3);
    Samples boom = glide(0.8, 70, 35);
    envelope(boom, 0.004, 0.25);
    Samples s = whistle;
    mixInto(s, blast, 0.75, 3.0);
    mixInto(s, boom, 0.75, 0.8);
    return s;
}

// A bubble rising: a short sine whose pitch climbs fast.
Samples bubble(double from, double to, double length) {
    Samples s = glide(length, from, to);
    envelope(s, 0.002, length / 3);
    return s;
}

// Something heavy falling into deep water, then the bubbles.
Samples bigSplash() {
    Samples s = noise(1.0, 61);
    lowPass(s, 2200);
    highPass(s, 150);
    envelope(s, 0.01, 0.22);
    SteadyRandom rnd(62);
    for (int i = 0; i < 9; ++i) {
        const double from = 300 + rnd.next() * 500;
        mixInto(s, bubble(from, from * 2.2, 0.06 + rnd.next() * 0.05), 0.18 + i * 0.08 + rnd.next() * 0.04, 0.25);
    }
    return s;
}

Samples waterDrop() {
    Samples s = bubble(500, 1500, 0.16);
    mixInto(s, silence(0.24), 0);
    return s;
}

struct Recipe {
    std::string_view name;
    Samples (*make)();
};

// Every sound by its file name; a new sound is one line here and one recipe above.
const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> table{
        {"flick.wav", flick},         {"pageturn.wav", pageTurn},         {"dice.wav", dice},
        {"squirt.wav", squirt},       {"missle.wav", missile},            {"bigpoolsplash.wav", bigSplash},
        {"waterdrop.wav", waterDrop},
    };
    return table;
}

}  // namespace

std::vector<std::string_view> soundNames() {
    std::vector<std::string_view> names;
    for (const Recipe& r : recipes()) names.push_back(r.name);
    return names;
}

QByteArray soundFile(std::string_view name) {
    for (const Recipe& r : recipes())
        if (r.name == name) {
            Samples samples = r.make();
            fadeOut(samples, 0.01);
            return wavFile(toPcm(samples), kRate);
        }
    return {};
}

}  // namespace art
