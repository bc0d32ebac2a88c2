#pragma once

// Every random choice of the program: Int(Rnd * n + offset), from the platform's one generator.
namespace common {

// A whole number from offset to offset + n - 1 (1 to n by default).
int rndnum(int n, int offset = 1);

}  // namespace common
