#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <string>

// The state of the Gin Rummy table, shared by the window and the plain rules. Arrays by slot run
// 1 to 52 (index 0 unused); a slot holds the same card for the whole hand, and its tag says where
// the card lies: 1..31 the stock (1 drawn next), 101..110 the computer's hand left to right and 111
// its drawn card, 201..210 and 211 the same for the user, 301 and up the discard pile from the
// bottom. Arrays by side are indexed by `kUser` and `kComputer`, as `turn` numbers them.
namespace ginrules {

inline constexpr int kUser = 1;
inline constexpr int kComputer = 2;

inline constexpr int kHandSize = 10;
inline constexpr int kStockSize = 31;
inline constexpr int kComputerHand = 100;  // a hand's tags follow its base
inline constexpr int kUserHand = 200;
inline constexpr int kPile = 300;
inline constexpr int kDrawnCard = 11;      // the position of the card drawn before the discard

inline constexpr int handBase(int side) { return side == kUser ? kUserHand : kComputerHand; }
inline constexpr int drawnTag(int side) { return handBase(side) + kDrawnCard; }
inline constexpr int otherSide(int side) { return side == kUser ? kComputer : kUser; }
// Ten cards at tags base + 1 .. base + 10; the drawn card is not part of the hand that is judged.
inline constexpr bool inHand(int tag, int side) { return tag > handBase(side) && tag <= handBase(side) + kHandSize; }
// The ten cards or, between a draw and a discard, eleven.
inline constexpr bool heldBy(int tag, int side) { return tag > handBase(side) && tag <= drawnTag(side); }
inline constexpr bool inStock(int tag) { return tag >= 1 && tag <= kStockSize; }
inline constexpr bool onPile(int tag) { return tag > kPile; }

struct GinTable {
    std::array<std::int16_t, 53> deckorder{};  // card code in each slot, file order
    std::array<std::int16_t, 53> cardused{};   // the shuffle's marks, by code
    std::array<core::MaybeSuit, 53> cardsuit{}; // the suit of each slot
    std::array<int, 53> cardrank{};            // 1 ace .. 13 king
    std::array<int, 53> tag{};

    int stockcount = 0;
    int pilecount = 0;
    int drawn = 0;      // -1 once the user has drawn this turn
    int turn = 0;       // kUser, kComputer, or 0 once the hand is over
    int knockmood = 0;  // 3 or 4; the computer knocks only at 4
    bool handover = false;  // the hand has been scored: nothing more of it is played

    // By tag: -1 for a card in a set or run (meldmark), in a run (runmark), or one the computer's
    // first discard search passes over (keepmark, 101..111).
    std::array<int, 212> meldmark{};
    std::array<int, 212> runmark{};
    std::array<int, 112> keepmark{};
    // By side, then rank 1..13: how many cards of that rank the hand holds.
    std::array<std::array<int, 14>, 3> rankcount{};
    std::array<int, 3> unmatched{};  // by side: the hand's unmelded card values
    std::array<int, 3> gamescore{};  // by side: the game totals
};

// The suit and rank (1 to 13) of the card in a slot, from its code.
void suitAndRank(GinTable& t, int slot);
// The slot whose card carries the tag, 0 when none does.
int slotOfTag(const GinTable& t, int tag);
// The slot of the card of that suit and rank, 0 for a rank outside ace to king.
int slotOfCard(const GinTable& t, core::MaybeSuit suit, int rank);
// What an unmelded card counts: its rank up to nine, ten from the ten up.
int cardvalue(int rank);
// The top card of the discard pile, 0 when the pile is empty.
inline int pileTop(const GinTable& t) { return t.pilecount > 0 ? slotOfTag(t, kPile + t.pilecount) : 0; }

}  // namespace ginrules
