#include "common/names.h"

#include "core/rndnum.h"

namespace common {
namespace {

std::string_view pickpair(std::string_view first, std::string_view second) {
    return core::rndnum(2) == 1 ? first : second;
}

}  // namespace

std::string_view pickname() { return oppnames[static_cast<std::size_t>(core::rndnum(6) - 1)]; }

SeatNames pickseats(std::string_view topSecond) {
    SeatNames names;
    names.top = pickpair(oppnames[0], topSecond);
    names.right = pickpair(oppnames[2], oppnames[3]);
    names.left = pickpair(oppnames[4], oppnames[5]);
    return names;
}

}  // namespace common
