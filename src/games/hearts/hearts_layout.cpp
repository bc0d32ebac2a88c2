#include "games/hearts/hearts_layout.h"

#include <cmath>

namespace heartsrules {

Place fanPlace(int slot, float scale) {
    return core::fanPlace(slot, scale, 600);
}

Row rowOf(double top, float scale) {
    const auto near = [&](double row) {
        const double mark = std::floor(scaled(row, scale));
        return top >= mark - 1 && top <= mark + 1;
    };
    if (near(kHandRow)) return Row::Hand;
    if (near(kRaisedRow)) return Row::Raised;
    return Row::Elsewhere;
}

}  // namespace heartsrules
