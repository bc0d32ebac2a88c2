#include "common/topthree.h"

#include "core/numbers.h"
#include "platform/files.h"

#include <optional>

namespace common {
namespace {

std::optional<int> storednumber(std::string_view text) {
    // The shared conversion gives its fallback on failure: two fallbacks tell failure from a value.
    const int low = core::toInt(text, 0);
    if (low != core::toInt(text, 1)) return std::nullopt;
    return low;
}

}  // namespace

std::string topthreefile(std::string_view prefix, std::string_view kind, int rank) {
    std::string name = "\\Data\\";
    name += prefix;
    name += kind;
    name += std::to_string(rank);
    name += ".dat";
    return name;
}

TopThree loadtopthree(std::string_view prefix) {
    TopThree table;
    for (int rank = 1; rank <= 3; ++rank) {
        auto& entry = table[static_cast<std::size_t>(rank - 1)];
        entry.name = platform::readSetting(topthreefile(prefix, "name", rank));
        entry.value = platform::readSetting(topthreefile(prefix, "score", rank));
    }
    return table;
}

// Stops at the first file that cannot be written: the user hears of one failure, not six.
bool savetopthree(const TopThree& table, std::string_view prefix) {
    for (int rank = 1; rank <= 3; ++rank)
        if (!platform::writeSetting(topthreefile(prefix, "name", rank), table[static_cast<std::size_t>(rank - 1)].name))
            return false;
    for (int rank = 1; rank <= 3; ++rank)
        if (!platform::writeSetting(topthreefile(prefix, "score", rank), table[static_cast<std::size_t>(rank - 1)].value))
            return false;
    return true;
}

bool beats(int result, std::string_view stored, TopOrder order) {
    const auto value = storednumber(stored);
    if (!value) return true;
    return order == TopOrder::HigherBetter ? result > *value : result < *value;
}

int entertopthree(TopThree& table, std::string_view name, int result, TopOrder order) {
    if (order == TopOrder::LowerBetter && result <= kShortestTime) return 0;
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (!beats(result, table[k].value, order)) continue;
        for (std::size_t below = table.size() - 1; below > k; --below) table[below] = table[below - 1];
        table[k] = TopEntry{std::string(name), std::to_string(result)};
        return static_cast<int>(k) + 1;
    }
    return 0;
}

}  // namespace common
