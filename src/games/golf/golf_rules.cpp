#include "games/golf/golf_rules.h"

namespace golfrules {

int column(int i) { return (i - 1) % kColumns + 1; }

int row(int i) { return (i - 1) / kColumns + 1; }

double cardLeft(int i) { return 600.0 + 1200.0 * (column(i) - 1); }

double cardTop(int i) { return 3720.0 - 360.0 * (row(i) - 1); }

bool takes(int rank, int wasteRank) { return rank == wasteRank - 1 || rank == wasteRank + 1; }

int freedCard(int t) {
    if (t > kTableCards - kColumns) return 0;
    return t + kColumns;
}

int cardsLeft(int nextdraw) { return nextdraw >= kWasteCard ? 0 : kWasteCard - nextdraw; }

bool canTurn(int nextdraw) { return nextdraw >= kFirstStockCard && nextdraw < kWasteCard; }

StockView stockView(int nextdraw) {
    const int left = cardsLeft(nextdraw);
    if (left == 0) return StockView::Spent;
    if (left == 1) return StockView::Back;
    if (left <= 8) return StockView::Thin;
    return StockView::Half;
}

}  // namespace golfrules
