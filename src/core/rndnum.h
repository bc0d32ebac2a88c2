#pragma once

// Every random choice of the program: Int(Rnd * n + offset), from the program's one generator.
namespace core {

// A whole number from offset to offset + n - 1 (1 to n by default).
int rndnum(int n, int offset = 1);

}  // namespace core
