#include "core/rndnum.h"

#include "core/chance.h"

#include <cmath>

namespace core {

int rndnum(int n, int offset) {
    return static_cast<int>(std::floor(Rnd() * n + offset));
}

}  // namespace core
