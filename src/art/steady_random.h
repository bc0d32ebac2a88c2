#pragma once

#include <cstdint>

namespace art {

// A small fixed-seed generator: pictures and sounds come out the same on every build.
class SteadyRandom {
public:
    explicit SteadyRandom(std::uint32_t seed) : state_(seed) {}

    // A number in [0, 1).
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }

    // A number in [-1, 1).
    double signedNext() { return next() * 2 - 1; }

private:
    std::uint32_t state_;
};

}  // namespace art
