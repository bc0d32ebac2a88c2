#include "support/card_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using core::SuitOrder;

struct NameCase { const char* name; int file; int window; };

TEST(CardNames, NamesGiveTheirCodesInEitherOrderOfSuits) {
    const NameCase cases[] = {
        {"AS", 1, 1},   {"QS", 12, 12}, {"KS", 13, 13}, {"2C", 15, 41}, {"AH", 40, 14},
        {"10H", 49, 23}, {"TH", 49, 23}, {"JD", 37, 37}, {"KH", 52, 26}, {"KC", 26, 52},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gp::cardCode(c.name, SuitOrder::File), c.file) << c.name;
        EXPECT_EQ(gp::cardCode(c.name, SuitOrder::Window), c.window) << c.name;
    }
    EXPECT_EQ(gp::cardCodes(" 2C  AH 10D", SuitOrder::File), (std::vector<int>{15, 40, 36}));
    EXPECT_TRUE(gp::cardCodes("", SuitOrder::File).empty());
}

TEST(CardNames, WhatIsNotACardIsRefused) {
    for (const char* name : {"", "Q", "S", "1S", "11S", "QX", "qs", "10", "AHS"})
        EXPECT_THROW(gp::cardCode(name, SuitOrder::File), std::invalid_argument) << '"' << name << '"';
}

TEST(CardNames, CompletedDeckKeepsThePlacedCardsAndFillsTheRestInOrder) {
    const auto order = gp::completeDeck({{1, 52}, {3, 1}, {52, 2}});
    EXPECT_EQ(order[0], 52);
    EXPECT_EQ(order[1], 3) << "the lowest code nobody placed";
    EXPECT_EQ(order[2], 1);
    EXPECT_EQ(order[3], 4);
    EXPECT_EQ(order[50], 51);
    EXPECT_EQ(order[51], 2);
    EXPECT_THROW(gp::completeDeck({{1, 5}, {2, 5}}), std::invalid_argument);
}

}  // namespace
