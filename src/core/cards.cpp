#include "core/cards.h"

#include <array>

namespace core {
namespace {

constexpr std::array<std::string_view, 13> kRankWords{
    "ace", "two", "three", "four", "five", "six", "seven",
    "eight", "nine", "ten", "jack", "queen", "king"};
constexpr std::array<std::string_view, 4> kFileSuits{kSpades, kClubs, kDiamonds, kHearts};
constexpr std::array<std::string_view, 4> kWindowSuits{kSpades, kHearts, kDiamonds, kClubs};
constexpr int kTwoDecks = 2 * kDeckSize;

}  // namespace

std::string_view suitword(Suit suit) { return kFileSuits[static_cast<std::size_t>(suit)]; }

std::optional<Suit> suitnamed(std::string_view word) {
    for (Suit suit : kSuits)
        if (suitword(suit) == word) return suit;
    return std::nullopt;
}

int rankof(int code) {
    if (code < 1) return 0;
    return (code - 1) % 13 + 1;
}

int suitblock(int code) {
    if (code < 1) return -1;
    return (code - 1) % kDeckSize / 13;
}

std::string_view rankword(int rank) {
    if (rank < 1 || rank > 13) return {};
    return kRankWords[rank - 1];
}

std::string_view suitword(int block, SuitOrder order) {
    if (block < 0 || block > 3) return {};
    return order == SuitOrder::File ? kFileSuits[block] : kWindowSuits[block];
}

int blockofsuit(std::string_view word, SuitOrder order) {
    for (int block = 0; block < 4; ++block)
        if (suitword(block, order) == word) return block;
    return -1;
}

std::string_view suitof(int code, SuitOrder order) {
    if (code > kTwoDecks) return {};
    return suitword(suitblock(code), order);
}

MaybeSuit suitofcode(int code, SuitOrder order) { return suitnamed(suitof(code, order)); }

std::string facefile(int rank, std::string_view suit) {
    std::string name = "\\Images\\";
    name += rankword(rank);
    name += suit;
    name += ".gif";
    return name;
}

std::string facefile(int code) {
    if (code < 1 || code > kTwoDecks) return {};
    return facefile(rankof(code), suitof(code));
}

std::string facename(int code) {
    if (code < 1 || code > kDeckSize) return {};
    std::string name(rankword(rankof(code)));
    name += "of";
    name += suitof(code, SuitOrder::Window);
    return name;
}

}  // namespace core
