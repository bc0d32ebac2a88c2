#pragma once

#include "games/spades/spades_table.h"

#include <array>
#include <optional>
#include <vector>

// Bidding: the computer seats' bids at the deal, the user's team bid with its Nil, and the
// Blind Nil trade of two cards with the partner.
namespace spadesrules {

// `countsuits`: every seat's suit counts, and the aces, kings and queens of the computer seats.
void countsuits(SpadesTable& t);

// The two parts of a computer seat's own bid: one for its spades, one for its high cards.
int spadesPart(int spades);
int highPart(int highcards);

// `startmeup`: clears the hand's bids, nils, tricks and tags, counts, and makes the computer
// seats' bids: their own bids, at most one Nil, an opponent's Blind Nil (drawn one in three while
// their team trails by 100 or more) and their team bid of at most 5.
void startmeup(SpadesTable& t, const Draw& rndnum);

// The user's team bid, with the answer to the personal Nil question: the partner's entry takes
// the team bid, aces become 14 and the seat after the dealer leads.
void userBid(SpadesTable& t, int teambid, bool nil);

// The trade of a Blind Nil: the user raises two cards of the row, then they go to the partner
// for two of its cards. Opening or closing it lowers every card.
void openTrade(SpadesTable& t);
void closeTrade(SpadesTable& t);
enum class Row { Down, Raised, Elsewhere };
// The user's row lies at handtop and a raised card 100 twips above, both whole twips.
Row rowOf(double top, int handtop);
// A click on a card of the row while choosing: the row it moves to, or nothing when it stays.
std::optional<Row> tradeClick(SpadesTable& t, Row current);
// The same for a slot of the user's row, which the table knows raised or down; the table keeps
// the move.
std::optional<Row> tradeClick(SpadesTable& t, int slot);
inline bool tradeReady(const SpadesTable& t) { return t.tradecount == 2; }
// The raised slots of the user's row, in slot order.
std::vector<int> raisedSlots(const SpadesTable& t);

// The partner's two cards: with 12 or more spades its first two slots (`hi`); otherwise its
// non-spades below its highest non-spade, first in slot order, then its other non-spades from the
// lowest up, then its lowest spades. Always two different slots of the partner's hand.
struct Gift {
    std::array<int, 2> given{};
    bool hi = false;
};
Gift chooseGift(const SpadesTable& t);
// "Trade": the user's Blind Nil is made, and the raised slots (in slot order) swap their cards
// with the gift; every slot gets its suit and rank again and the suits are counted again. The
// traded cards stay raised until "Start".
void exchange(SpadesTable& t, std::array<int, 2> raised, const Gift& gift);
// "Start": the trade is over, every card lowered, and the user bids with the Blind Nil standing.
void startAfterTrade(SpadesTable& t);

}  // namespace spadesrules
