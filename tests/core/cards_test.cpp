#include "core/cards.h"
#include "core/euchrecards.h"
#include "core/stock.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace core;

TEST(CardModel, FileOrderCodesNameTheirCards) {
    struct Case { int code; int rank; const char* rankWord; const char* suit; const char* file; };
    const Case cases[] = {
        {1, 1, "ace", "spades", "\\Images\\acespades.gif"},
        {12, 12, "queen", "spades", "\\Images\\queenspades.gif"},
        {13, 13, "king", "spades", "\\Images\\kingspades.gif"},
        {14, 1, "ace", "clubs", "\\Images\\aceclubs.gif"},
        {15, 2, "two", "clubs", "\\Images\\twoclubs.gif"},
        {26, 13, "king", "clubs", "\\Images\\kingclubs.gif"},
        {27, 1, "ace", "diamonds", "\\Images\\acediamonds.gif"},
        {37, 11, "jack", "diamonds", "\\Images\\jackdiamonds.gif"},
        {39, 13, "king", "diamonds", "\\Images\\kingdiamonds.gif"},
        {40, 1, "ace", "hearts", "\\Images\\acehearts.gif"},
        {49, 10, "ten", "hearts", "\\Images\\tenhearts.gif"},
        {52, 13, "king", "hearts", "\\Images\\kinghearts.gif"},
        // The second deck of the two-deck game shows the faces of the first again.
        {53, 1, "ace", "spades", "\\Images\\acespades.gif"},
        {66, 1, "ace", "clubs", "\\Images\\aceclubs.gif"},
        {91, 13, "king", "diamonds", "\\Images\\kingdiamonds.gif"},
        {104, 13, "king", "hearts", "\\Images\\kinghearts.gif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(rankof(c.code), c.rank);
        EXPECT_EQ(rankword(rankof(c.code)), c.rankWord);
        EXPECT_EQ(suitof(c.code), c.suit);
        EXPECT_EQ(facefile(c.code), c.file);
    }
}

TEST(CardModel, WindowOrderDiffersOnlyInHeartsAndClubs) {
    struct Case { int code; const char* suit; const char* face; };
    const Case cases[] = {
        {1, "spades", "aceofspades"},     {13, "spades", "kingofspades"},
        {14, "hearts", "aceofhearts"},    {26, "hearts", "kingofhearts"},
        {27, "diamonds", "aceofdiamonds"}, {39, "diamonds", "kingofdiamonds"},
        {40, "clubs", "aceofclubs"},      {52, "clubs", "kingofclubs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(suitof(c.code, SuitOrder::Window), c.suit);
        EXPECT_EQ(facename(c.code), c.face);
    }
    for (int code = 1; code <= kDeckSize; ++code) {
        const bool sameSuit = suitof(code) == suitof(code, SuitOrder::Window);
        EXPECT_EQ(sameSuit, code <= 13 || (code >= 27 && code <= 39)) << code;
    }
}

TEST(CardModel, CodesOutsideTheDeckNameNothing) {
    for (int code : {0, -1, 105}) {
        EXPECT_EQ(facefile(code), "") << code;
        EXPECT_EQ(suitof(code), "") << code;
    }
    EXPECT_EQ(facename(53), "");
    EXPECT_EQ(facename(0), "");
    EXPECT_EQ(rankword(0), "");
    EXPECT_EQ(rankword(14), "");
    EXPECT_EQ(suitword(4), "");
}

TEST(CardModel, SuitWordsNameTheirBlocksInEachOrder) {
    for (int block = 0; block < 4; ++block) {
        EXPECT_EQ(blockofsuit(suitword(block)), block);
        EXPECT_EQ(blockofsuit(suitword(block, SuitOrder::Window), SuitOrder::Window), block);
    }
    EXPECT_EQ(blockofsuit("hearts"), 3);
    EXPECT_EQ(blockofsuit("hearts", SuitOrder::Window), 1);
    for (const char* other : {"", "Spades", "spade", "hearts "}) EXPECT_EQ(blockofsuit(other), -1) << other;
}

TEST(CardModel, EveryFaceFileIsDistinct) {
    std::set<std::string> files;
    for (int code = 1; code <= kDeckSize; ++code) files.insert(facefile(code));
    EXPECT_EQ(files.size(), 52u);
}

TEST(CardModel, BackAndStockFiles) {
    EXPECT_EQ(backfile, "\\Images\\bikecard.gif");
    EXPECT_EQ(sidebackfile, "\\Images\\bikecardside.gif");
    // War's thresholds: full from 40, half from 13, thin from 1, hidden at 0.
    const std::pair<int, std::string_view> cases[] = {
        {52, "\\Images\\carddeckfull1.bmp"}, {40, "\\Images\\carddeckfull1.bmp"},
        {39, "\\Images\\carddeckhalf1.bmp"}, {13, "\\Images\\carddeckhalf1.bmp"},
        {12, "\\Images\\carddeckthin1.bmp"}, {1, "\\Images\\carddeckthin1.bmp"},
        {0, ""},
    };
    for (const auto& [left, file] : cases) EXPECT_EQ(stockpicture(left, 40, 13), file) << left;
}

TEST(EuchreCards, BlocksOfSixAceDownToNine) {
    struct Case { int code; const char* suit; int value; const char* file; };
    const Case cases[] = {
        {1, "spades", 14, "\\Images\\acespades.gif"},
        {4, "spades", 11, "\\Images\\jackspades.gif"},
        {6, "spades", 9, "\\Images\\ninespades.gif"},
        {7, "hearts", 14, "\\Images\\acehearts.gif"},
        {10, "hearts", 11, "\\Images\\jackhearts.gif"},
        {12, "hearts", 9, "\\Images\\ninehearts.gif"},
        {13, "clubs", 14, "\\Images\\aceclubs.gif"},
        {16, "clubs", 11, "\\Images\\jackclubs.gif"},
        {20, "diamonds", 13, "\\Images\\kingdiamonds.gif"},
        {22, "diamonds", 11, "\\Images\\jackdiamonds.gif"},
        {24, "diamonds", 9, "\\Images\\ninediamonds.gif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        const auto card = euchrecard(c.code);
        ASSERT_TRUE(card);
        EXPECT_EQ(suitword(card->suit), c.suit);
        EXPECT_EQ(card->value, c.value);
        EXPECT_EQ(euchrefacefile(c.code), c.file);
    }
    EXPECT_FALSE(euchrecard(0));
    EXPECT_FALSE(euchrecard(25));
    EXPECT_EQ(euchrefacefile(25), "");
}

TEST(CardModel, SuitsAreOneTypeWithTheirWords) {
    struct Case { Suit suit; const char* word; int fileCode; int windowCode; };
    const Case cases[] = {
        {Suit::Spades, "spades", 1, 13},  {Suit::Clubs, "clubs", 14, 52},
        {Suit::Diamonds, "diamonds", 39, 27}, {Suit::Hearts, "hearts", 52, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(suitword(c.suit), c.word);
        EXPECT_EQ(suitnamed(c.word), c.suit);
        EXPECT_EQ(suitofcode(c.fileCode), c.suit);
        EXPECT_EQ(suitofcode(c.fileCode + kDeckSize), c.suit) << "the second deck";
        EXPECT_EQ(suitofcode(c.windowCode, SuitOrder::Window), c.suit);
    }
    for (const char* other : {"", "Spades", "spade", "x"}) EXPECT_EQ(suitnamed(other), std::nullopt) << other;
    for (int outside : {0, -1, 105}) EXPECT_EQ(suitofcode(outside), std::nullopt) << outside;
}
