#pragma once

#include "games/gin/gin_table.h"

#include <functional>

// The computer's choices, from the marks and counts of the latest judgement of its ten cards.
namespace ginrules {

// A whole number from 1 to n, as the game's one random generator draws it.
using Draw = std::function<int(int n)>;

// The computer takes the top of the pile when it holds two or more of its rank, or a card of its
// suit one rank above or below it; otherwise it draws from the stock.
bool takesPile(const GinTable& t);

// The tag of the computer's discard among its eleven cards, by random draws: up to 13 draws for a
// card neither melded nor kept; when that search reaches its 12th draw, up to 13 more for a card
// not melded; when that one reaches its 12th draw too, one last draw, whatever it finds.
int chooseDiscard(const GinTable& t, const Draw& rndnum);

}  // namespace ginrules
