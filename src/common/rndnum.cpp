#include "common/rndnum.h"

#include "platform/chance.h"

#include <cmath>

namespace common {

int rndnum(int n, int offset) {
    return static_cast<int>(std::floor(platform::Rnd() * n + offset));
}

}  // namespace common
