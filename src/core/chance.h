#pragma once

#include <cstdint>
#include <optional>

namespace core {

// The program's one random generator.
double Rnd();                      // uniform in [0, 1)
void Randomize();                  // seed from the clock (or the fixed seed, when one is set)
void Randomize(std::uint32_t seed);

// Test seam: while set, Randomize() seeds with this value instead of the clock.
void setFixedSeed(std::optional<std::uint32_t> seed);

}  // namespace core
