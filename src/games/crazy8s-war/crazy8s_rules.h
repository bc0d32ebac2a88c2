#pragma once

#include "games/crazy8s-war/crazy8s_table.h"

#include <string>
#include <vector>

// The rules of Crazy 8s as plain functions over its table: the deal, what may be played, the two
// hands' slots, the stock and the computer's turn.
namespace crazy8srules {

// The table of a dealt `deckorder`: images 1..7 the user's hand, 8..14 the computer's, 15 the
// starter (the suit and rank to follow), 16..52 the stock numbered 1..37.
void deal(Crazy8sTable& t);

// An eight plays on anything; any other card must match the suit or the rank to follow.
bool legal(const Crazy8sTable& t, int card);
// Whether a hand (kUserTag or kCompTag) holds a card that may be played.
bool haslegal(const Crazy8sTable& t, int hand);

// A hand may draw while it holds fewer than 28 cards and a card lies below the top discard:
// the top discard itself is never drawn.
bool candraw(const Crazy8sTable& t, int hand);
// The stock answers the user's click while the user may draw, or must pass for holding no card
// that plays with nothing left to draw.
bool stockusable(const Crazy8sTable& t);

// The next stock card goes to the end of a hand; the cards outside the hands move up one number,
// so once the deal's stock is spent the starter comes next, then the discards in the order played.
// Returns the card image drawn, 0 when the hand may not draw.
int draw(Crazy8sTable& t, int hand);

// Puts a card of either hand on the discard pile and closes the gap it left: the user's later
// cards each move back one slot, the computer's last card fills the gap. An eight sets the rank
// to follow and leaves the suit to be named. Returns the slot the card left.
int play(Crazy8sTable& t, int card);

// The computer's card: the first of its hand in image order that is an eight or follows; 0 for none.
int comppick(const Crazy8sTable& t);
// The suit the computer names with its eight: the one it holds most of, eights not counted, ties
// going to hearts, spades, diamonds, clubs in that order; hearts with no card left.
core::Suit namedsuit(const Crazy8sTable& t);

// What one computer turn did: the cards it drew, in order, then the card it played (0 when it
// could neither play nor draw, and passed).
struct CompTurn {
    std::vector<int> drawn;
    int played = 0;
};
// The computer draws until it can play, then plays; an eight names its suit.
CompTurn computerturn(Crazy8sTable& t);

}  // namespace crazy8srules
