#include "games/memory/memory_board.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace memoryrules;

namespace {

struct FaceCase {
    int code;
    int pair;
    const char* face;
};

TEST(MemoryCards, EachCodeShowsItsPairsRankInItsColour) {
    const FaceCase cases[] = {
        {1, 1, "\\Images\\acespades.gif"},      {2, 1, "\\Images\\aceclubs.gif"},
        {3, 2, "\\Images\\kinghearts.gif"},     {4, 2, "\\Images\\kingdiamonds.gif"},
        {5, 3, "\\Images\\queenspades.gif"},    {8, 4, "\\Images\\jackdiamonds.gif"},
        {11, 6, "\\Images\\ninehearts.gif"},    {12, 6, "\\Images\\ninediamonds.gif"},
        {13, 7, "\\Images\\eightspades.gif"},   {16, 8, "\\Images\\sevendiamonds.gif"},
        {19, 10, "\\Images\\fivehearts.gif"},   {22, 11, "\\Images\\fourclubs.gif"},
        {23, 12, "\\Images\\threehearts.gif"},  {24, 12, "\\Images\\threediamonds.gif"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pairof(c.code), c.pair) << c.code;
        EXPECT_EQ(pairface(c.code), c.face) << c.code;
    }
    EXPECT_EQ(pairface(0), "");
    EXPECT_EQ(pairface(25), "");
}

TEST(MemoryCards, TwentyFourDifferentFacesMatchOnlyByPair) {
    std::set<std::string> faces;
    for (int code = 1; code <= 24; ++code) faces.insert(pairface(code));
    EXPECT_EQ(faces.size(), 24u);
    for (int k = 1; k <= 12; ++k) {
        const std::string a = pairface(2 * k - 1), b = pairface(2 * k);
        EXPECT_EQ(pairof(2 * k - 1), pairof(2 * k));
        EXPECT_NE(a, b);
        // The first code's suit is "spades" or "hearts" (both ten letters with ".gif"): what comes
        // before it is "\Images\" and the rank word, which the partner shares.
        const std::size_t rankEnd = a.size() - 10;
        EXPECT_EQ(a.substr(0, rankEnd), b.substr(0, rankEnd)) << "same rank in pair " << k;
        const bool black = a.find("spades") != std::string::npos && b.find("clubs") != std::string::npos;
        const bool red = a.find("hearts") != std::string::npos && b.find("diamonds") != std::string::npos;
        EXPECT_TRUE(k % 2 == 1 ? black : red) << "pair " << k << ": " << a << " " << b;
    }
}

struct CellCase {
    Board board;
    int position;
    int row;
    int column;
    double left;
    double top;
};

TEST(MemoryBoards, PositionsLieInTheirCells) {
    const CellCase cases[] = {
        {Board::Big, 1, 1, 1, 1920, 360},     {Board::Big, 4, 1, 4, 5880, 360},
        {Board::Big, 24, 1, 5, 7200, 360},    {Board::Big, 13, 1, 6, 8520, 360},
        {Board::Big, 16, 2, 5, 7200, 2160},   {Board::Big, 17, 2, 6, 8520, 2160},
        {Board::Big, 12, 3, 4, 5880, 3960},   {Board::Big, 20, 3, 5, 7200, 3960},
        {Board::Big, 14, 4, 1, 1920, 5760},   {Board::Big, 18, 4, 2, 3240, 5760},
        {Board::Big, 15, 4, 3, 4560, 5760},   {Board::Big, 19, 4, 4, 5880, 5760},
        {Board::Big, 23, 4, 6, 8520, 5760},
        {Board::Small, 1, 1, 1, 2160, 480},   {Board::Small, 4, 1, 4, 6120, 480},
        {Board::Small, 5, 2, 1, 2160, 2280},  {Board::Small, 12, 3, 4, 6120, 4080},
        // The timed board is the big one moved 840 twips to the left.
        {Board::Timed, 1, 1, 1, 1080, 360},   {Board::Timed, 13, 1, 6, 7680, 360},
        {Board::Timed, 14, 4, 1, 1080, 5760},
    };
    for (const auto& c : cases) {
        const Cell cell = cellOf(c.board, c.position);
        EXPECT_EQ(std::pair(cell.row, cell.column), std::pair(c.row, c.column)) << c.position;
        const Place place = cardPlace(c.board, c.position);
        EXPECT_EQ(place.left, c.left) << c.position;
        EXPECT_EQ(place.top, c.top) << c.position;
    }
}

TEST(MemoryBoards, EveryCellHoldsOnePosition) {
    for (Board board : {Board::Big, Board::Small, Board::Timed}) {
        std::set<std::pair<int, int>> cells;
        for (int position = 1; position <= cardsOn(board); ++position) {
            const Cell cell = cellOf(board, position);
            EXPECT_GE(cell.row, 1);
            EXPECT_LE(cell.row, board == Board::Small ? 3 : 4);
            EXPECT_GE(cell.column, 1);
            EXPECT_LE(cell.column, board == Board::Small ? 4 : 6);
            cells.insert({cell.row, cell.column});
        }
        EXPECT_EQ(cells.size(), static_cast<std::size_t>(cardsOn(board)));
        EXPECT_EQ(cellOf(board, 0).row, 0);
        EXPECT_EQ(cellOf(board, cardsOn(board) + 1).row, 0);
    }
    EXPECT_EQ(pairsOn(Board::Big), 12);
    EXPECT_EQ(pairsOn(Board::Small), 6);
    EXPECT_EQ(pairsOn(Board::Timed), 12);
}

}  // namespace
