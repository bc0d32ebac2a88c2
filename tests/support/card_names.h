#pragma once

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// Card names for tests that choose their cards: "QS", "TD", "2C", "AH" name the file-order codes
// (spades 1-13, clubs 14-26, diamonds 27-39, hearts 40-52).
namespace gp {

inline int cardcode(const std::string& name) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "SCDH";
    if (name.size() != 2) throw std::invalid_argument("bad card " + name);
    const auto rank = ranks.find(name[0]);
    const auto suit = suits.find(name[1]);
    if (rank == std::string::npos || suit == std::string::npos) throw std::invalid_argument("bad card " + name);
    return int(suit) * 13 + int(rank) + 1;
}

// Names separated by blanks, in order.
inline std::vector<int> cardcodes(const std::string& names) {
    std::istringstream in(names);
    std::vector<int> out;
    for (std::string name; in >> name;) out.push_back(cardcode(name));
    return out;
}

}  // namespace gp
