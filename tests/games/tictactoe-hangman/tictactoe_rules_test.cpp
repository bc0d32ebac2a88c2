#include "games/tictactoe-hangman/tictactoe_rules.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>

using namespace tictactoerules;

namespace {

// A board written row by row as nine characters: "X", "O" or "." for an empty cell.
TicTacToeTable table(std::string_view cells, int compmark) {
    TicTacToeTable t;
    t.compmark = compmark;
    t.playermark = compmark == kX ? kO : kX;
    for (int cell = 1; cell <= kCells; ++cell) {
        const char c = cells[static_cast<std::size_t>(cell - 1)];
        t.tag[cell] = c == 'X' ? kX : c == 'O' ? kO : kEmpty;
        if (t.tag[cell] == t.compmark) ++t.compmoves;
        if (t.tag[cell] == t.playermark) ++t.playermoves;
    }
    return t;
}

// A number source that hands out the numbers given, each from 1 to `range`, and fails the test
// when it runs dry.
struct Numbers {
    std::deque<int> left;
    int range = kCells;
    Draw draw() {
        return [this](int n) {
            EXPECT_EQ(n, range);
            if (left.empty()) {
                ADD_FAILURE() << "no number left to draw";
                return 1;
            }
            const int value = left.front();
            left.pop_front();
            return value;
        };
    }
};

struct Choice {
    const char* why;
    const char* board;
    int compmark;
    std::deque<int> draws;
    int cell;
};

TEST(TicTacToeComputer, ChoosesByItsRulesInOrder) {
    const Choice cases[] = {
        {"a win before a block", "XX.OO....", kO, {}, 6},
        {"1, 2 and 4 held: the top row comes before the left column", "OO.OXX.X.", kO, {}, 3},
        {"two threats: only the first in the order is blocked", "X.X.O.X.O", kO, {}, 2},
        {"the user opened in a corner: the centre", "X........", kO, {}, 5},
        {"the user opened on an edge: the centre", ".X.......", kO, {}, 5},
        {"the user opened in the centre: a random empty cell", "....X....", kO, {5, 5, 8}, 8},
        {"an empty board: one draw over all nine cells", ".........", kX, {5}, 5},
        {"an empty board: a corner as likely as the centre", ".........", kX, {9}, 9},
        {"a lone mark in the middle of the top row leads to its first cell", ".O..X..X.", kO, {}, 1},
        {"a lone mark in 6 leads up the right column to 3", "...XXO...", kO, {}, 3},
        {"a lone mark in 9 leads to 3, not to 6", "X...X...O", kO, {}, 3},
        {"a lone mark in 3 leads to 9", "..O.X.X..", kO, {}, 9},
        {"a lone centre leads to the first cell of the other diagonal", "X...O...X", kO, {}, 3},
        {"nothing to extend: a random empty cell", "XOX.OX.XO", kO, {1, 7}, 7},
    };
    for (const Choice& c : cases) {
        SCOPED_TRACE(c.why);
        TicTacToeTable t = table(c.board, c.compmark);
        const int before = t.compmoves;
        Numbers numbers{c.draws};
        compturn(t, numbers.draw());
        EXPECT_EQ(t.compcell, c.cell);
        EXPECT_TRUE(numbers.left.empty()) << "every draw given is used";
        EXPECT_EQ(t.compmoves, before + 1) << "the move is counted";
    }
}

TEST(TicTacToeComputer, TheNinthMarkThatCompletesALineWinsAndIsNoCat) {
    TicTacToeTable t = table("XOXXOO.XO", kX);
    Numbers none;
    compturn(t, none.draw());
    EXPECT_EQ(t.compcell, 7);
    EXPECT_EQ(compmove(t, none.draw()), Ending::Win);
    EXPECT_FALSE(t.catgame);
    EXPECT_EQ(t.tag[7], kX);
    EXPECT_EQ(marksplaced(t), 9);
}

TEST(TicTacToeComputer, AFullBoardWithoutALineIsACat) {
    TicTacToeTable t = table("XXOOOXXO.", kX);
    Numbers numbers{{4, 9}};
    compturn(t, numbers.draw());
    EXPECT_EQ(compmove(t, numbers.draw()), Ending::Cat);
    EXPECT_TRUE(t.catgame);
    EXPECT_EQ(t.tag[9], kX);
}

TEST(TicTacToeComputer, ATakenCellIsReplacedByADrawnEmptyOne) {
    TicTacToeTable t = table("X...O....", kO);
    t.compcell = 5;
    Numbers numbers{{1, 5, 3}};
    EXPECT_EQ(compmove(t, numbers.draw()), Ending::None);
    EXPECT_EQ(t.compcell, 3);
    EXPECT_EQ(t.tag[3], kO);
    EXPECT_EQ(t.tag[5], kO) << "the cell held before keeps its mark";
}

TEST(TicTacToeBoard, ALineIsCompleteOnlyWithThreeEqualMarks) {
    const struct {
        const char* board;
        bool line;
    } cases[] = {
        {".........", false}, {"XXX......", true},  {"...OOO...", true},  {"......XXX", true},
        {"X..X..X..", true},  {".O..O..O.", true},  {"..X..X..X", true},  {"X...X...X", true},
        {"..O.O.O..", true},  {"XXO......", false}, {"XOXOXOOXO", false}, {"XX.OO....", false},
    };
    for (const auto& c : cases) EXPECT_EQ(anyline(table(c.board, kO).tag), c.line) << c.board;
}

TEST(TicTacToeBoard, TheUsersMoveWinsOrDrawsOrGoesOn) {
    TicTacToeTable win = table("XX.OO....", kO);
    EXPECT_EQ(usermove(win, 3), Ending::Win);
    EXPECT_EQ(win.playermoves, 3);

    TicTacToeTable open = table(".........", kO);
    EXPECT_EQ(usermove(open, 1), Ending::None);
    TicTacToeTable lastwin = table("XOXOXOOX.", kO);
    EXPECT_EQ(usermove(lastwin, 9), Ending::Win) << "a line completed with the ninth mark is a win";
    TicTacToeTable cat = table("XXOOOXXO.", kO);
    EXPECT_EQ(usermove(cat, 9), Ending::Cat);
}

TEST(TicTacToeMatch, PlayToIsAWholeNumberFromOneToFifteenOrThree) {
    const struct {
        const char* text;
        int target;
    } cases[] = {
        {"1", 1}, {"3", 3}, {"9", 9}, {"15", 15}, {"05", 5}, {"0", 3}, {"16", 3}, {"99", 3},
        {"", 3},  {"-1", 3}, {" 5", 3}, {"5 ", 3}, {"1.5", 3}, {"X", 3}, {"100", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(playto(c.text), c.target) << '"' << c.text << '"';
}

TEST(TicTacToeMatch, TheMarksFollowThePlayAsTextAndRandomDrawsEachGame) {
    const struct {
        const char* playas;
        std::deque<int> draws;
        int playermark;
    } cases[] = {{"X", {}, kX}, {"O", {}, kO}, {"R", {1}, kX}, {"R", {2}, kO}, {"x", {2}, kO}, {"", {1}, kX}};
    for (const auto& c : cases) {
        TicTacToeTable t;
        Numbers numbers{c.draws, 2};
        dealmarks(t, c.playas, numbers.draw());
        EXPECT_EQ(t.playermark, c.playermark) << c.playas;
        EXPECT_EQ(t.compmark, c.playermark == kX ? kO : kX) << c.playas;
        EXPECT_TRUE(numbers.left.empty()) << c.playas;
    }
}

TEST(TicTacToeMatch, EachGameCountsForTheSideThatEndedItAndTheUserIsAskedFirst) {
    TicTacToeTable t;
    EXPECT_EQ(countgame(t, false, 2), MatchQuestion::None);
    EXPECT_EQ(t.playerwins, 1);
    t.catgame = true;
    EXPECT_EQ(countgame(t, true, 2), MatchQuestion::None) << "a Cat counts for no one";
    EXPECT_EQ(t.compwins, 0);
    t.catgame = false;
    EXPECT_EQ(countgame(t, true, 2), MatchQuestion::None);
    EXPECT_EQ(countgame(t, true, 2), MatchQuestion::ComputerWon);
    EXPECT_EQ(t.compwins, 2);
    t.catgame = true;
    EXPECT_EQ(countgame(t, false, 2), MatchQuestion::ComputerWon) << "after No the question returns, draws included";
    t.catgame = false;
    EXPECT_EQ(countgame(t, false, 2), MatchQuestion::UserWon) << "the user's total is tested first";
    EXPECT_EQ(countgame(t, true, 2), MatchQuestion::UserWon) << "even after a game the computer won";
}

TEST(TicTacToeMatch, WithATargetOfOneTheFirstWinEndsTheMatch) {
    TicTacToeTable t;
    EXPECT_EQ(countgame(t, true, 1), MatchQuestion::ComputerWon);
    TicTacToeTable u;
    u.catgame = true;
    EXPECT_EQ(countgame(u, false, 1), MatchQuestion::None);
}

}  // namespace
