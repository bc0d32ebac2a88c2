#include "games/golf/golf_rules.h"

#include "core/cards.h"

#include <algorithm>

namespace golfrules {

int column(int i) { return (i - 1) % kColumns + 1; }

int row(int i) { return (i - 1) / kColumns + 1; }

double cardLeft(int i) { return 600.0 + 1200.0 * (column(i) - 1); }

double cardTop(int i) { return 3720.0 - 360.0 * (row(i) - 1); }

void lay(GolfTable& t) {
    for (int c = 1; c <= kColumns; ++c) {
        t.columns[c].clear();
        for (int r = kRows; r >= 1; --r) t.columns[c].push_back(c + kColumns * (r - 1));
    }
    t.nextdraw = kFirstStockCard;
    t.waste = t.deckorder[kWasteCard];
}

bool onTable(const GolfTable& t, int i) {
    if (i < 1 || i > kTableCards) return false;
    return std::ranges::find(t.columns[column(i)], i) != t.columns[column(i)].end();
}

bool exposed(const GolfTable& t, int i) {
    if (i < 1 || i > kTableCards) return false;
    const std::vector<int>& pile = t.columns[column(i)];
    return !pile.empty() && pile.back() == i;
}

bool takes(int rank, int wasteRank) { return rank == wasteRank - 1 || rank == wasteRank + 1; }

bool play(GolfTable& t, int i) {
    if (!exposed(t, i) || !takes(core::rankof(t.deckorder[i]), core::rankof(t.waste))) return false;
    t.columns[column(i)].pop_back();
    t.waste = t.deckorder[i];
    return true;
}

int cardsLeft(int nextdraw) { return nextdraw >= kWasteCard ? 0 : kWasteCard - nextdraw; }

bool canTurn(int nextdraw) { return nextdraw >= kFirstStockCard && nextdraw < kWasteCard; }

int turnStock(GolfTable& t) {
    if (!canTurn(t.nextdraw)) return 0;
    const int card = t.nextdraw++;
    t.waste = t.deckorder[card];
    return card;
}

StockView stockView(int nextdraw) {
    const int left = cardsLeft(nextdraw);
    if (left == 0) return StockView::Spent;
    if (left == 1) return StockView::Back;
    if (left <= 8) return StockView::Thin;
    return StockView::Half;
}

}  // namespace golfrules
