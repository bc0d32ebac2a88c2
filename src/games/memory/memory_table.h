#pragma once

#include "games/memory/memory_board.h"

#include <array>
#include <cstdint>

// The state of a Card Memorization board, shared by the windows and the plain rules, under the
// names the windows use. Arrays run over positions 1..24 (cardused over pair codes); index 0 is
// unused so the numbers read as the board's own.
namespace memoryrules {

// The values of firstpair/firstcard and secondpair/secondcard when there is no such card.
inline constexpr int kNoFirst = 100;
inline constexpr int kNoSecond = 200;

// A card's tag: in play, or removed with its pair.
inline constexpr int kInPlay = 1;
inline constexpr int kRemoved = 2;

struct MemoryTable {
    explicit MemoryTable(Board b = Board::Big) : board(b), cards(cardsOn(b)) {}

    Board board;
    int cards;                                  // N: 24 or 12
    std::array<std::int16_t, 25> deckorder{};   // the pair code dealt to each position
    std::array<std::int16_t, 25> cardused{};    // the shuffle's marks, by pair code
    std::array<int, 25> pairnum{};              // written each time the card is turned face up
    std::array<int, 25> compmemory{};           // the pair the computer remembers there; 0 none
    std::array<int, 25> tag{};                  // kInPlay or kRemoved

    int turncount = 0;                          // cards turned in the current turn
    int playermatches = 0;
    int compmatches = 0;
    int firstpair = kNoFirst;
    int secondpair = kNoSecond;
    int firstcard = kNoFirst;
    int secondcard = kNoSecond;
    int cardindex = 0;                          // the card the computer is turning
};

// A fresh game: both counts 0, no card of a turn, every card in play, the shuffle's marks and
// the computer's memory cleared. The deal itself is the window's.
void newGame(MemoryTable& t);

// A deal lays every card of the board in play, whatever the game before it left.
void layAll(MemoryTable& t);

// Whether every pair has been found.
bool gameOver(const MemoryTable& t);

// Whether a position names a card of the board (the sentinels do not).
bool onBoard(const MemoryTable& t, int position);

}  // namespace memoryrules
