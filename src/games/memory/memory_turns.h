#pragma once

#include "games/memory/memory_table.h"

#include <functional>
#include <string_view>

// A turn of Card Memorization: the user's two cards, the computer's two cards with its memory by
// skill, the pair claimed, and the verdict when the board is empty.
namespace memoryrules {

// Exactly "MED" is Medium and exactly "HARD" is Hard; any other text plays Easy.
enum class Skill { Easy, Medium, Hard };
Skill skillof(std::string_view text);

enum class Outcome {
    FirstCard,  // the turn goes on with one card up
    Pair,       // the two cards form a pair
    Miss,       // they do not
};

// The card at the position turns face up: its pair number is recorded.
void turnface(MemoryTable& t, int position);

// The user turns the card at the position. With remember (the hard level) the computer learns
// it. At the second card the turn is decided and turncount returns to 0.
Outcome turnUser(MemoryTable& t, int position, bool remember);

// Draws a whole number 1..n (rndnum in play; a script in tests).
using Draw = std::function<int(int n)>;

// The computer's first card: a random card still in play, the memory ignored. Medium and Hard
// remember it. The two cards of the last turn must already be turned face down.
void computerFirst(MemoryTable& t, Skill skill, const Draw& draw);
// Where the computer's second card comes from: at Medium and Hard the first card's partner when
// the memory holds it, otherwise a random card in play other than the first card.
int secondPick(const MemoryTable& t, Skill skill, const Draw& draw);
// The computer's second card turned face up (Hard remembers it) and the turn decided.
Outcome computerSecond(MemoryTable& t, Skill skill, const Draw& draw);

enum class Side { User, Computer };
// The side's count grows and both cards of the turn leave the board.
void claimPair(MemoryTable& t, Side side);

// The end-of-game prompt: "You Win, Keep Playing?", "You Lose, Keep Playing?" or
// "Game is a Tie, Keep Playing?".
std::string_view verdict(int playermatches, int compmatches);

}  // namespace memoryrules
