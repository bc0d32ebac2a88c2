#pragma once

// The rules of Golf as plain functions: the layout's numbering, the move onto the waste and the
// stock's state. Card images 1..35 are the table (seven columns of five, rows counted from the
// bottom), 36..51 the stock, 52 the waste.
namespace golfrules {

inline constexpr int kColumns = 7;
inline constexpr int kRows = 5;
inline constexpr int kTableCards = kColumns * kRows;  // 35
inline constexpr int kFirstStockCard = 36;            // where the turns start after a deal
inline constexpr int kWasteCard = 52;                 // also the value of a spent stock's next turn

// Column 1..7 and row 1..5 (bottom row first) of table card i.
int column(int i);
int row(int i);

// Design position in twips of table card i: each row lies 360 twips above the one below it.
double cardLeft(int i);
double cardTop(int i);

// A card goes onto the waste when its rank is one above or one below the waste card's rank.
// Ranks run from ace 1 to king 13 without wrapping round.
bool takes(int rank, int wasteRank);

// The card that shows whole once table card t has left: the next one up its column, or 0 when
// t lay in the top row and its column is now empty.
int freedCard(int t);

// Stock cards not yet turned while the next turn would take card image `nextdraw`.
int cardsLeft(int nextdraw);
// Whether a stock card is left to turn.
bool canTurn(int nextdraw);

// What stands for the stock: the half pile from 16 cards down to 9, the thin pile from 8 down to
// 2, a single back for the last card, nothing once the stock is spent.
enum class StockView { Half, Thin, Back, Spent };
StockView stockView(int nextdraw);

}  // namespace golfrules
