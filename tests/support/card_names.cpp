#include "support/card_names.h"

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

namespace gp {
namespace {

int rankOfName(std::string_view rank) {
    static constexpr std::string_view kLetters = "A23456789TJQK";
    if (rank == "10") return 10;
    const auto found = rank.size() == 1 ? kLetters.find(rank[0]) : std::string_view::npos;
    return found == std::string_view::npos ? 0 : int(found) + 1;
}

// The block whose suit word starts with the letter, in the given order.
int blockOfLetter(char letter, core::SuitOrder order) {
    for (int block = 0; block < 4; ++block)
        if (core::suitword(block, order).front() == letter - 'A' + 'a') return block;
    return -1;
}

}  // namespace

int cardCode(std::string_view name, core::SuitOrder order) {
    const int rank = name.size() >= 2 ? rankOfName(name.substr(0, name.size() - 1)) : 0;
    const int block = name.empty() ? -1 : blockOfLetter(name.back(), order);
    if (rank == 0 || block < 0) throw std::invalid_argument("not a card: " + std::string(name));
    return block * 13 + rank;
}

std::vector<int> cardCodes(std::string_view names, core::SuitOrder order) {
    std::istringstream in{std::string(names)};
    std::vector<int> codes;
    for (std::string name; in >> name;) codes.push_back(cardCode(name, order));
    return codes;
}

std::array<std::int16_t, 52> completeDeck(const std::map<int, int>& placed) {
    std::set<int> free;
    for (int c = 1; c <= core::kDeckSize; ++c) free.insert(c);
    for (auto [position, c] : placed)
        if (!free.erase(c)) throw std::invalid_argument("card placed twice: " + std::to_string(c));
    std::array<std::int16_t, 52> order{};
    for (int position = 1; position <= core::kDeckSize; ++position) {
        int c = 0;
        if (auto it = placed.find(position); it != placed.end()) {
            c = it->second;
        } else {
            c = *free.begin();
            free.erase(free.begin());
        }
        order[static_cast<std::size_t>(position - 1)] = static_cast<std::int16_t>(c);
    }
    return order;
}

}  // namespace gp
