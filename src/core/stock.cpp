#include "core/stock.h"

namespace core {

std::string_view stockpicture(int left, int fullFrom, int halfFrom) {
    if (left >= fullFrom) return stockfull;
    if (left >= halfFrom) return stockhalf;
    if (left >= 1) return stockthin;
    return {};
}

}  // namespace core
