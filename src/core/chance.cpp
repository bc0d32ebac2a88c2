#include "core/chance.h"

#include <chrono>
#include <random>

namespace core {
namespace {

std::mt19937& generator() {
    static std::mt19937 g{5489u};
    return g;
}

std::optional<std::uint32_t>& fixedSeed() {
    static std::optional<std::uint32_t> seed;
    return seed;
}

}  // namespace

double Rnd() {
    // generate_canonical may round up to 1.0 on some libraries; Int(Rnd * n + 1) must never reach n + 1.
    double r = std::generate_canonical<double, 32>(generator());
    return r < 1.0 ? r : 0.0;
}

void Randomize() {
    if (fixedSeed()) {
        generator().seed(*fixedSeed());
        return;
    }
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

void Randomize(std::uint32_t seed) { generator().seed(seed); }

void setFixedSeed(std::optional<std::uint32_t> seed) {
    fixedSeed() = seed;
    if (seed) generator().seed(*seed);
}

}  // namespace core
