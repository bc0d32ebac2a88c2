#include "core/deck.h"

#include "core/rndnum.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace core {
namespace {

constexpr std::int16_t kUsed = -1;

void requireIndexes(std::span<std::int16_t> array, int last) {
    if (last < 0 || static_cast<std::size_t>(last) >= array.size())
        throw std::out_of_range("card array too small for the deck");
}

}  // namespace

int drawfree(std::span<std::int16_t> cardused, int n, int offset) {
    if (n < 1) return 0;
    requireIndexes(cardused, offset + n - 1);
    const auto range = cardused.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(n));
    if (std::ranges::all_of(range, [](std::int16_t mark) { return mark == kUsed; })) return 0;
    int code = rndnum(n, offset);
    while (cardused[static_cast<std::size_t>(code)] == kUsed) code = rndnum(n, offset);
    cardused[static_cast<std::size_t>(code)] = kUsed;
    return code;
}

void shuffledeck(std::span<std::int16_t> deckorder, std::span<std::int16_t> cardused, int n,
                 const std::function<void(int)>& dealt) {
    requireIndexes(deckorder, n);
    requireIndexes(cardused, n);
    std::fill(cardused.begin() + 1, cardused.begin() + n + 1, std::int16_t{0});
    for (int position = 1; position <= n; ++position) {
        deckorder[static_cast<std::size_t>(position)] = static_cast<std::int16_t>(drawfree(cardused, n));
        if (dealt) dealt(position);
    }
}

void knowndeal(std::span<std::int16_t> deckorder, std::span<std::int16_t> cardused,
               std::span<const std::int16_t> order) {
    const int n = static_cast<int>(order.size());
    requireIndexes(deckorder, n);
    requireIndexes(cardused, n);
    std::vector<bool> seen(static_cast<std::size_t>(n) + 1);
    for (const std::int16_t code : order) {
        if (code < 1 || code > n || seen[static_cast<std::size_t>(code)])
            throw std::invalid_argument("a known deal holds every code of its deck once");
        seen[static_cast<std::size_t>(code)] = true;
    }
    std::copy(order.begin(), order.end(), deckorder.begin() + 1);
    std::fill(cardused.begin() + 1, cardused.begin() + n + 1, kUsed);
}

}  // namespace core
