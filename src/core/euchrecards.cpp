#include "core/euchrecards.h"

#include "core/cards.h"

#include <array>

namespace core {
namespace {

constexpr std::array<Suit, 4> kEuchreSuits{Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};

}  // namespace

std::optional<EuchreCard> euchrecard(int code) {
    if (code < 1 || code > kEuchreDeckSize) return std::nullopt;
    return EuchreCard{kEuchreSuits[(code - 1) / 6], 14 - (code - 1) % 6};
}

std::string euchrefacefile(int code) {
    const auto card = euchrecard(code);
    if (!card) return {};
    const int rank = card->value == 14 ? 1 : card->value;
    return facefile(rank, suitword(card->suit));
}

}  // namespace core
