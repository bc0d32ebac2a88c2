#pragma once

#include "games/crazy8s-war/war_table.h"

#include <string_view>
#include <vector>

// The rules of War as plain functions over its table: the deal, the turn, the judgement with its
// rule for a side short of cards, the war and the collection of won cards.
namespace warrules {

// The value of a card code: two to king by rank, the ace 14.
int rankvalue(int code);

// The table of a dealt `deckorder`: both piles numbered from their top, nothing on the table.
void deal(WarTable& t);

// Each side's top card goes onto the table face up; the piles close up behind them.
void turn(WarTable& t);

enum class Side { None, User, Computer };

struct Judgement {
    Side winner = Side::None;  // None: the face cards tie and a war follows
    Side shortside = Side::None;  // the side whose pile is too short for a war, if any
};
// A side with fewer than four cards (the computer's pile tested first) cannot fight a war: the
// other side's face card counts one rank higher, for this comparison only, so it wins equal ranks
// and a card one rank below the short side's ties. After a war that laid no card, the plain ranks
// decide.
Judgement judge(const WarTable& t);

// One card a war lays: the k-th face down (1..3), or the face-up card (k = 0).
struct WarCard {
    int card = 0;
    int k = 0;
    bool faceup() const { return k == 0; }
};
struct War {
    std::vector<WarCard> user, comp;
};
// Each side lays up to three cards face down and one face up from its pile; a side whose pile
// runs out lays what it has and keeps its face card.
War laywar(WarTable& t);

// The next won card to collect: the lowest card image still on the table, 0 when none is.
int nextcollect(const WarTable& t);
// A won card reaches the bottom of the winner's pile. Returns whether the loser's pile is empty:
// the game is over.
bool arrive(WarTable& t, int card, Side winner);

// What one tick of the battle timer does once the battle on the table is judged.
struct BattleStep {
    enum class Next { War, Collect, Done };
    Next next = Next::Done;     // lay a war on a tie, hand over won cards, or end with the table clear
    Side winner = Side::None;   // Collect: who takes the cards
    int card = 0;               // Collect: the won card to slide now; 0 while one is still sliding
    Side notice = Side::None;   // the side short of cards for a war, told now
};
// The short side is told once for each card still to hand over, never while a card slides.
BattleStep battlestep(const WarTable& t, bool sliding);

// Both piles hold cards, so the user may turn.
bool canturn(const WarTable& t);

// The picture of a pile: full from 40 cards, half from 13, thin from 1; empty text at none.
std::string_view pilepicture(int count);

}  // namespace warrules
