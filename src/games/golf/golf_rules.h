#pragma once

#include "games/golf/golf_table.h"

// The rules of Golf as plain functions over its table: the layout's numbering, the deal, the
// move onto the waste and the stock.
namespace golfrules {

// Column 1..7 and row 1..5 (bottom row first) of table card i.
int column(int i);
int row(int i);

// Design position in twips of table card i: each row lies 360 twips above the one below it.
double cardLeft(int i);
double cardTop(int i);

// The table of a dealt `deckorder`: every column full, a stock of sixteen, card image 52 on the waste.
void lay(GolfTable& t);

// Whether table card i is still on the table, and whether it shows whole and may be played.
bool onTable(const GolfTable& t, int i);
bool exposed(const GolfTable& t, int i);

// A card goes onto the waste when its rank is one above or one below the waste card's rank.
// Ranks run from ace 1 to king 13 without wrapping round.
bool takes(int rank, int wasteRank);

// Plays table card i onto the waste when it shows whole and its rank fits; returns whether it did.
bool play(GolfTable& t, int i);

// Stock cards not yet turned while the next turn would take card image `nextdraw`.
int cardsLeft(int nextdraw);
// Whether a stock card is left to turn.
bool canTurn(int nextdraw);
// Turns the next stock card onto the waste; returns its card image, or 0 once the stock is spent.
int turnStock(GolfTable& t);

// What stands for the stock: the half pile from 16 cards down to 9, the thin pile from 8 down to
// 2, a single back for the last card, nothing once the stock is spent.
enum class StockView { Half, Thin, Back, Spent };
StockView stockView(int nextdraw);

}  // namespace golfrules
