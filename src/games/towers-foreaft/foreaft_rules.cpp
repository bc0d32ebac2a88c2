#include "games/towers-foreaft/foreaft_rules.h"

#include <algorithm>
#include <array>

namespace foreaftrules {
namespace {

struct Place {
    int row;
    int column;
};

// Rows and columns 1..5 of the cells; the two squares meet at row 3, column 3.
constexpr std::array<Place, kCells + 1> kPlaces{{
    {0, 0},
    {1, 1}, {1, 2}, {1, 3},
    {2, 1}, {2, 2}, {2, 3},
    {3, 1}, {3, 2}, {3, 3}, {3, 4}, {3, 5},
    {4, 3}, {4, 4}, {4, 5},
    {5, 3}, {5, 4}, {5, 5},
}};

int cellAt(int row, int column) {
    for (int c = 1; c <= kCells; ++c)
        if (kPlaces[c].row == row && kPlaces[c].column == column) return c;
    return 0;
}

std::vector<int> listFor(int e) {
    std::vector<int> slides, jumps;
    constexpr Place ways[] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
    for (const Place& w : ways) {
        const Place at = kPlaces[e];
        const int next = cellAt(at.row + w.row, at.column + w.column);
        if (next == 0) continue;
        slides.push_back(next);
        if (const int beyond = cellAt(at.row + 2 * w.row, at.column + 2 * w.column)) jumps.push_back(beyond);
    }
    slides.insert(slides.end(), jumps.begin(), jumps.end());
    return slides;
}

bool isCell(int c) { return c >= 1 && c <= kCells; }

}  // namespace

void startup(ForeAftBoard& b) {
    for (int p = 1; p <= kPieces; ++p) b.piecepos[p] = static_cast<std::int16_t>(green(p) ? p : p + 1);
    b.emptycell = kMiddle;
}

const std::vector<int>& movelist(int e) {
    static const auto lists = [] {
        std::array<std::vector<int>, kCells + 1> all;
        for (int c = 1; c <= kCells; ++c) all[c] = listFor(c);
        return all;
    }();
    return lists[isCell(e) ? e : 0];
}

bool inmovelist(int e, int c) { return std::ranges::find(movelist(e), c) != movelist(e).end(); }

bool directionallows(std::string_view backwards, int p, int c, int e) {
    if (backwards == "YES") return true;
    return green(p) ? c < e : c > e;
}

MoveKind movekind(int difference) {
    switch (difference) {
    case 3: case -3: case 6: case -6:
        return MoveKind::Vertical;
    case 1: case -1: case 2: case -2:
        return MoveKind::Horizontal;
    default:
        return MoveKind::None;
    }
}

MoveKind clickmove(const ForeAftBoard& b, std::string_view backwards, int p) {
    if (p < 1 || p > kPieces) return MoveKind::None;
    const int c = b.piecepos[p];
    const int e = b.emptycell;
    if (!inmovelist(e, c) || !directionallows(backwards, p, c, e)) return MoveKind::None;
    return movekind(e - c);
}

MoveKind click(ForeAftBoard& b, int p) {
    b.clicked = p;
    return clickmove(b, b.backwards, p);
}

void finishmove(ForeAftBoard& b, int p) {
    const std::int16_t old = b.piecepos[p];
    b.piecepos[p] = b.emptycell;
    b.emptycell = old;
}

bool won(const ForeAftBoard& b) {
    for (int p = 1; p <= kPieces; ++p)
        if (green(p) ? b.piecepos[p] < 10 : b.piecepos[p] > 8) return false;
    return true;
}

double cellLeft(int cell) { return 600 + 720 * (kPlaces[isCell(cell) ? cell : 1].column - 1); }

double cellTop(int cell) { return 480 + 720 * (kPlaces[isCell(cell) ? cell : 1].row - 1); }

Step step(double position, double target, double forward, double back) {
    if (target > position) {
        position += forward;
        return {position, target <= position};
    }
    if (target < position) {
        position -= back;
        return {position, target >= position};
    }
    return {position, true};
}

}  // namespace foreaftrules
