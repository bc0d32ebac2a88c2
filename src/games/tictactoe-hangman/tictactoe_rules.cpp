#include "games/tictactoe-hangman/tictactoe_rules.h"

#include <algorithm>
#include <optional>

namespace tictactoerules {
namespace {

// The order in which the computer looks for a line to win or to block.
constexpr std::array<Line, 8> kThreatOrder{{
    {3, 5, 7}, {1, 5, 9}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9},
}};

// A line the computer extends from a lone mark of its own, and the cell it then takes for a mark
// in the line's first, middle and last cell. The right column leads from its bottom to its top.
struct Extension {
    Line line;
    Line target;
};
constexpr std::array<Extension, 8> kExtensions{{
    {{1, 5, 9}, {9, 1, 5}},
    {{3, 5, 7}, {7, 3, 5}},
    {{1, 4, 7}, {7, 1, 4}},
    {{2, 5, 8}, {8, 2, 5}},
    {{3, 6, 9}, {9, 3, 3}},
    {{1, 2, 3}, {3, 1, 2}},
    {{4, 5, 6}, {6, 4, 5}},
    {{7, 8, 9}, {9, 7, 8}},
}};

constexpr int kCentre = 5;

// The empty cell of the first line in which two cells hold the mark.
std::optional<int> threat(const Board& board, int mark) {
    for (const Line& line : kThreatOrder) {
        const auto held = std::ranges::count_if(line, [&](int cell) { return board[cell] == mark; });
        const auto empty = std::ranges::find(line, kEmpty, [&](int cell) { return board[cell]; });
        if (held == 2 && empty != line.end()) return *empty;
    }
    return std::nullopt;
}

std::optional<int> extension(const Board& board, int mark) {
    for (const auto& [line, target] : kExtensions)
        for (std::size_t k = 0; k < line.size(); ++k) {
            const bool lone = board[line[k]] == mark &&
                              std::ranges::count_if(line, [&](int cell) { return board[cell] == kEmpty; }) == 2;
            if (lone) return target[k];
        }
    return std::nullopt;
}

int randomempty(const Board& board, const Draw& draw) {
    int cell = draw(kCells);
    while (board[cell] != kEmpty) cell = draw(kCells);
    return cell;
}

}  // namespace

bool complete(const Board& board, const Line& line) {
    return board[line[0]] > kEmpty && board[line[0]] == board[line[1]] && board[line[1]] == board[line[2]];
}

bool anyline(const Board& board) {
    return std::ranges::any_of(kLines, [&](const Line& line) { return complete(board, line); });
}

void newgamestate(TicTacToeTable& t) {
    t.tag.fill(kEmpty);
    t.catgame = false;
    t.playermoves = 0;
    t.compmoves = 0;
}

void dealmarks(TicTacToeTable& t, std::string_view playas, const Draw& draw) {
    if (playas == "X")
        t.playermark = kX;
    else if (playas == "O")
        t.playermark = kO;
    else
        t.playermark = draw(2);
    t.compmark = t.playermark == kX ? kO : kX;
}

Ending usermove(TicTacToeTable& t, int cell) {
    t.tag[cell] = t.playermark;
    ++t.playermoves;
    if (anyline(t.tag)) return Ending::Win;
    if (marksplaced(t) >= kCells) {
        t.catgame = true;
        return Ending::Cat;
    }
    return Ending::None;
}

void compturn(TicTacToeTable& t, const Draw& draw) {
    if (marksplaced(t) == 0) {
        t.compcell = draw(kCells);
        ++t.compmoves;
        return;
    }
    // Counted first, so that the draw test after the mark counts it.
    ++t.compmoves;
    if (const auto win = threat(t.tag, t.compmark))
        t.compcell = *win;
    else if (const auto block = threat(t.tag, t.playermark))
        t.compcell = *block;
    else if (t.tag[kCentre] == kEmpty)
        t.compcell = kCentre;
    else if (const auto extend = extension(t.tag, t.compmark))
        t.compcell = *extend;
    else
        t.compcell = randomempty(t.tag, draw);
}

Ending compmove(TicTacToeTable& t, const Draw& draw) {
    if (t.tag[t.compcell] != kEmpty) t.compcell = randomempty(t.tag, draw);
    t.tag[t.compcell] = t.compmark;
    if (anyline(t.tag)) return Ending::Win;
    if (marksplaced(t) >= kCells) {
        t.catgame = true;
        return Ending::Cat;
    }
    return Ending::None;
}

int playto(std::string_view text) {
    if (text.empty() || text.size() > 2 || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return kDefaultTarget;
    int target = 0;
    for (char c : text) target = target * 10 + (c - '0');
    return target >= 1 && target <= kMostWins ? target : kDefaultTarget;
}

MatchQuestion countgame(TicTacToeTable& t, bool computerMovedLast, int target) {
    if (!t.catgame) ++(computerMovedLast ? t.compwins : t.playerwins);
    if (t.playerwins >= target) return MatchQuestion::UserWon;
    if (t.compwins >= target) return MatchQuestion::ComputerWon;
    return MatchQuestion::None;
}

}  // namespace tictactoerules
