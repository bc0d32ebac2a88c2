#pragma once

#include "games/euchre/euchre_bidding.h"
#include "games/euchre/euchre_deal.h"
#include "games/euchre/euchre_play.h"
#include "games/euchre/euchre_table.h"
#include "support/card_names.h"

#include <array>
#include <cstdint>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// Euchre tables from card names such as "JH", "TD", "9S", "AC", read by the shared card names and
// numbered in the Euchre deck (spades 1-6, hearts 7-12, clubs 13-18, diamonds 19-24, each ace,
// king, queen, jack, ten, nine).
namespace euchretest {

using euchrerules::EuchreTable;

inline int code(const std::string& name) {
    const int full = gp::cardCode(name, core::SuitOrder::File);
    const int rank = core::rankof(full);
    const int value = rank == 1 ? 14 : rank;
    if (value < 9) throw std::invalid_argument("no card of the Euchre deck: " + name);
    return euchrerules::suitIndex(core::suitnamed(core::suitof(full))) * 6 + (14 - value) + 1;
}

inline std::vector<int> codes(const std::string& names) {
    std::istringstream in(names);
    std::vector<int> out;
    for (std::string name; in >> name;) out.push_back(code(name));
    return out;
}

// The named cards of each seat in its first codesBySlot and the turned card in slot 21; every other
// slot takes the cards nobody was given, in code order.
struct Deal {
    std::string top{}, right{}, user{}, left{}, turned{};
};

inline std::array<std::int16_t, 24> order(const Deal& deal) {
    std::array<std::int16_t, 24> codesBySlot{};
    std::set<int> free;
    for (int c = 1; c <= 24; ++c) free.insert(c);
    const std::pair<int, const std::string*> hands[] = {
        {1, &deal.top}, {2, &deal.right}, {3, &deal.user}, {4, &deal.left}};
    auto put = [&](int slot, int c) {
        if (!free.erase(c)) throw std::invalid_argument("card dealt twice");
        codesBySlot[static_cast<std::size_t>(slot - 1)] = static_cast<std::int16_t>(c);
    };
    for (auto [seat, names] : hands) {
        int slot = euchrerules::firstSlot(seat);
        for (int c : codes(*names)) put(slot++, c);
    }
    for (int c : codes(deal.turned)) put(euchrerules::kTurnedSlot, c);
    for (auto& c : codesBySlot) {
        if (c) continue;
        c = static_cast<std::int16_t>(*free.begin());
        free.erase(free.begin());
    }
    return codesBySlot;
}

// A table dealt as the deal says, counted as making trump counts it.
inline EuchreTable table(const Deal& deal, int dealer = 1) {
    EuchreTable t;
    euchrerules::beginDeal(t, dealer);
    const auto codesBySlot = order(deal);
    for (t.dealslot = 1; t.dealslot <= 24; ++t.dealslot) {
        t.deckorder[static_cast<std::size_t>(t.dealslot)] = codesBySlot[static_cast<std::size_t>(t.dealslot - 1)];
        euchrerules::zzz(t);
    }
    euchrerules::finishDeal(t);
    euchrerules::rainman(t);
    return t;
}

// The same table with trump made and play begun, `seat` to play to a trick led in `led` by `leader`;
// the suits are named by their words, no lead by empty text.
inline EuchreTable inPlay(const Deal& deal, const char* trump, int seat, int leader, const char* led = "") {
    EuchreTable t = table(deal);
    t.trump = core::suitnamed(trump);
    euchrerules::makeBowers(t);
    euchrerules::beginPlay(t, false);
    t.leader = leader;
    t.turn = seat;
    t.leadsuit = core::suitnamed(led);
    return t;
}

inline int slotOf(const EuchreTable& t, const std::string& name) {
    for (int slot = 1; slot <= 24; ++slot)
        if (t.deckorder[static_cast<std::size_t>(slot)] == code(name)) return slot;
    throw std::invalid_argument("card not dealt " + name);
}

}  // namespace euchretest
