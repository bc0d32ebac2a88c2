#include "core/euchrecards.h"

#include "core/cards.h"

#include <array>

namespace core {
namespace {

constexpr std::array<std::string_view, 4> kEuchreSuits{"spades", "hearts", "clubs", "diamonds"};

}  // namespace

std::optional<EuchreCard> euchrecard(int code) {
    if (code < 1 || code > kEuchreDeckSize) return std::nullopt;
    return EuchreCard{kEuchreSuits[(code - 1) / 6], 14 - (code - 1) % 6};
}

std::string euchrefacefile(int code) {
    const auto card = euchrecard(code);
    if (!card) return {};
    const int rank = card->value == 14 ? 1 : card->value;
    return facefile(rank, card->suit);
}

}  // namespace core
