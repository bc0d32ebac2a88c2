#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <vector>
#include <stdexcept>
#include <string>

#include "core/cards.h"
#include "games/spades/spades_bidding.h"
#include "games/spades/spades_deal.h"
#include "games/spades/spades_play.h"
#include "games/spades/spades_table.h"
#include "support/card_names.h"

// Builds Spades tables from card names such as "QS", "TD", "2C", "AH".
namespace spadestest {

using spadesrules::SpadesTable;

struct Seats {
    std::string top, right, user, left;
};

// A whole deal, by slot 1..52: the named cards in each seat's first slots, the rest of the deck
// filling the free slots (left, right, top, then the user's) in code order.
inline std::vector<int> codes(const std::string& names) { return gp::cardCodes(names, core::SuitOrder::File); }
inline int code(const std::string& name) { return gp::cardCode(name, core::SuitOrder::File); }

inline std::array<std::int16_t, 52> dealOf(const Seats& seats) {
    std::map<int, int> placed;
    const std::pair<int, const std::string*> hands[] = {
        {1, &seats.top}, {2, &seats.right}, {3, &seats.user}, {4, &seats.left}};
    for (auto [seat, names] : hands) {
        int slot = spadesrules::firstSlot(seat);
        for (int c : codes(*names)) placed[slot++] = c;
    }
    return gp::completeDeck(placed);
}

// A table right after the deal: every card held, suits and ranks as dealt (aces 1), counted.
inline SpadesTable dealt(const Seats& seats) {
    SpadesTable t;
    const auto order = dealOf(seats);
    for (int slot = 1; slot <= 52; ++slot) {
        t.deckorder[slot] = order[static_cast<std::size_t>(slot - 1)];
        spadesrules::suitnum(t, slot);
        t.tag[slot] = spadesrules::kHeld;
    }
    spadesrules::beginDeal(t);
    spadesrules::countsuits(t);
    return t;
}

// A table in the middle of a hand: each seat holds exactly its named cards, its other slots are
// played; aces are 14 and the counts follow the held cards. cardsleft is what each hand held when
// the trick began.
inline SpadesTable inPlay(const Seats& seats, int cardsleft) {
    std::set<int> named;
    SpadesTable t = dealt(seats);
    for (const std::string* names : {&seats.top, &seats.right, &seats.user, &seats.left})
        for (int c : codes(*names)) named.insert(c);
    for (int slot = 1; slot <= 52; ++slot) {
        if (t.cardrank[slot] == 1) t.cardrank[slot] = 14;
        if (!named.count(t.deckorder[slot])) t.tag[slot] = spadesrules::playedTag(spadesrules::seatOfSlot(slot));
    }
    for (auto& counts : t.suitcount) counts.fill(0);
    for (int slot = 1; slot <= 52; ++slot)
        if (spadesrules::isHeld(t, slot)) ++t.suitcount[static_cast<std::size_t>(spadesrules::blockOf(t.cardsuit[slot]))][spadesrules::seatOfSlot(slot)];
    t.cardsleft = cardsleft;
    return t;
}

inline int slotOf(const SpadesTable& t, const std::string& name) {
    for (int slot = 1; slot <= 52; ++slot)
        if (t.deckorder[slot] == code(name)) return slot;
    throw std::invalid_argument("card not dealt " + name);
}

// The name of the card in a slot, for messages and expectations.
inline std::string nameOf(const SpadesTable& t, int slot) {
    if (slot < 1 || slot > 52) return "none";
    const int c = t.deckorder[slot];
    return std::string(1, "A23456789TJQK"[(c - 1) % 13]) + "SCDH"[(c - 1) / 13];
}

// A seat puts one of its held cards into the trick.
inline void play(SpadesTable& t, int seat, const std::string& name) {
    spadesrules::recordPlay(t, seat, slotOf(t, name));
}

}  // namespace spadestest
