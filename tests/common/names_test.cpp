#include "common/names.h"

#include "core/chance.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string_view>

using namespace common;

TEST(Names, OneOfSixComesUpEveryNameAndNoOther) {
    core::Randomize(99u);
    std::map<std::string_view, int> counts;
    for (int i = 0; i < 600; ++i) ++counts[pickname()];
    ASSERT_EQ(counts.size(), 6u);
    for (auto name : oppnames) EXPECT_GT(counts[name], 50) << name;
}

TEST(Names, EachSeatDrawsFromItsOwnPair) {
    core::Randomize(5u);
    struct Seen { std::set<std::string_view> top, right, left; } plain, euchre;
    for (int i = 0; i < 200; ++i) {
        const auto a = pickseats();
        plain.top.insert(a.top);
        plain.right.insert(a.right);
        plain.left.insert(a.left);
        const auto b = pickseats(kEuchrePartnerName);
        euchre.top.insert(b.top);
        euchre.right.insert(b.right);
        euchre.left.insert(b.left);
    }
    using Names = std::set<std::string_view>;
    EXPECT_EQ(plain.top, (Names{"Orvena", "Pelko"}));
    EXPECT_EQ(plain.right, (Names{"Wendro", "Corlan"}));
    EXPECT_EQ(plain.left, (Names{"Feyla", "Quilla"}));
    EXPECT_EQ(euchre.top, (Names{"Orvena", "Sennet"}));
    EXPECT_EQ(euchre.right, plain.right);
    EXPECT_EQ(euchre.left, plain.left);
}

TEST(Names, SeatsAreDrawnTopRightLeftOneDrawEach) {
    // With the same seed, a draw of 1 gives the first name of each pair: the seats follow the
    // generator's first three draws in order.
    core::Randomize(11u);
    const double draws[3] = {core::Rnd(), core::Rnd(), core::Rnd()};
    core::Randomize(11u);
    const auto seats = pickseats();
    EXPECT_EQ(seats.top, draws[0] < 0.5 ? "Orvena" : "Pelko");
    EXPECT_EQ(seats.right, draws[1] < 0.5 ? "Wendro" : "Corlan");
    EXPECT_EQ(seats.left, draws[2] < 0.5 ? "Feyla" : "Quilla");
}
