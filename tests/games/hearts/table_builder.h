#pragma once

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "games/hearts/hearts_deal.h"
#include "games/hearts/hearts_layout.h"
#include "games/hearts/hearts_play.h"
#include "games/hearts/hearts_table.h"
#include "support/card_names.h"

// Builds Hearts tables from card names such as "QS", "TD", "2C", "AH" (file order codes:
// spades 1-13, clubs 14-26, diamonds 27-39, hearts 40-52).
namespace heartstest {

using heartsrules::HeartsTable;

inline int code(const std::string& name) { return gp::cardCode(name, core::SuitOrder::File); }

inline std::vector<int> codes(const std::string& names) { return gp::cardCodes(names, core::SuitOrder::File); }

// Puts a code into a slot with the suit and rank the deal gives it (aces still 1).
inline void put(HeartsTable& t, int slot, int c) {
    t.deckorder[slot] = static_cast<std::int16_t>(c);
    heartsrules::suitAndRank(t, slot);
}

inline int slotOf(const HeartsTable& t, const std::string& name) {
    for (int slot = 1; slot <= 52; ++slot)
        if (t.deckorder[slot] == code(name)) return slot;
    throw std::invalid_argument("card not dealt " + name);
}

// Deals the named cards to each seat's first slots; the seat's remaining slots get the cards
// nobody was given and count as already played. Aces rank 14, counts and cardsleft follow the
// held cards, as in the middle of a hand.
struct Seats {
    std::string top, right, user, left;
};

inline HeartsTable table(const Seats& seats, int tricksleft = 12) {
    HeartsTable t;
    std::vector<bool> used(53, false);
    const std::pair<int, const std::string*> hands[] = {
        {1, &seats.top}, {2, &seats.right}, {3, &seats.user}, {4, &seats.left}};
    std::vector<int> filled(5, 0);
    for (auto [seat, names] : hands) {
        for (int c : codes(*names)) {
            if (used[c]) throw std::invalid_argument("card dealt twice");
            used[c] = true;
            put(t, heartsrules::firstSlot(seat) + filled[seat]++, c);
        }
    }
    int spare = 1;
    for (auto [seat, names] : hands) {
        for (int k = filled[seat]; k < 13; ++k) {
            while (used[spare]) ++spare;
            used[spare] = true;
            const int slot = heartsrules::firstSlot(seat) + k;
            put(t, slot, spare);
            t.tag[slot] = heartsrules::playedTag(seat);
        }
    }
    for (int slot = 1; slot <= 52; ++slot) {
        if (t.cardrank[slot] == 1) t.cardrank[slot] = 14;
        const int seat = heartsrules::seatOfSlot(slot);
        if (heartsrules::isPlayedTag(t.tag[slot])) continue;
        t.tag[slot] = seat;
        ++*heartsrules::suitcount(t, seat, t.cardsuit[slot]);
        ++t.cardsleft[seat];
    }
    t.tricksleft = tricksleft;
    t.handplaying = true;
    return t;
}

// The row of the user's hand a card with that top lies in. Tops are compared within a twip either
// way, since y times scale need not be whole.
inline heartsrules::Row rowOf(double top, float scale) {
    const auto near = [&](double row) {
        const double mark = std::floor(heartsrules::scaled(row, scale));
        return top >= mark - 1 && top <= mark + 1;
    };
    if (near(heartsrules::kHandRow)) return heartsrules::Row::Hand;
    if (near(heartsrules::kRaisedRow)) return heartsrules::Row::Raised;
    return heartsrules::Row::Elsewhere;
}

// A seat puts one of its held cards into the trick.
inline void play(HeartsTable& t, int seat, const std::string& name) {
    heartsrules::recordPlay(t, seat, slotOf(t, name));
}

}  // namespace heartstest
