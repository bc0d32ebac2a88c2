#include <gtest/gtest.h>

#include "games/gin/gin_melds.h"
#include "gin_builder.h"

#include <set>
#include <sstream>

using namespace ginrules;
using gintest::table;
using gintest::tagOf;

namespace {

std::set<std::string> namesOf(std::string_view names) {
    std::istringstream in{std::string(names)};
    std::set<std::string> out;
    for (std::string name; in >> name;) out.insert(name);
    return out;
}

// The side's cards of a table, by name, that carry the mark.
std::set<std::string> marked(const GinTable& t, std::string_view hand, const std::array<int, 212>& marks) {
    std::set<std::string> out;
    for (const std::string& name : namesOf(hand))
        if (marks[tagOf(t, name)] == -1) out.insert(name);
    return out;
}

struct MeldCase {
    const char* what;
    const char* hand;
    const char* melded;
    const char* inRuns;
    int unmatched;
};

const MeldCase kMeldCases[] = {
    {"four of a kind", "7S 7C 7D 7H 2S 4C 9D JH KS QD", "7S 7C 7D 7H", "", 45},
    {"a run of five", "3C 4C 5C 6C 7C 2S 9D JH KS QD", "3C 4C 5C 6C 7C", "3C 4C 5C 6C 7C", 41},
    {"ace, two, three", "AH 2H 3H 5S 7C 9D JS KC QD 4D", "AH 2H 3H", "AH 2H 3H", 55},
    {"queen, king, ace is no run", "QD KD AD 2S 4C 6H 8S TC 3H 9C", "", "", 63},
    {"king, ace, two is no run", "KS AS 2S 4C 6H 8D TC 3H 9C 5D", "", "", 58},
    {"five, six, eight", "5H 6H 8H 2S 4C 9D JS KC QD 3D", "", "", 67},
    {"a seven in a set and a run", "7H 7S 7D 5H 6H 2C 4S 9C JD KS", "7H 7S 7D 5H 6H", "5H 6H 7H", 35},
    {"ace, king and nine left over", "AS KD 9C 2H 3H 4H 5S 5C 5D 5H", "2H 3H 4H 5S 5C 5D 5H", "2H 3H 4H 5H", 20},
};

TEST(GinMelds, SetsAndRunsOfEitherHand) {
    for (const MeldCase& c : kMeldCases) {
        for (int side : {kComputer, kUser}) {
            SCOPED_TRACE(std::string(c.what) + (side == kUser ? ", the user's hand" : ", the computer's hand"));
            const GinTable t = side == kUser ? table("", c.hand) : table(c.hand, "");
            EXPECT_EQ(marked(t, c.hand, t.meldmark), namesOf(c.melded));
            EXPECT_EQ(marked(t, c.hand, t.runmark), namesOf(c.inRuns));
            EXPECT_EQ(t.unmatched[side], c.unmatched);
        }
    }
}

TEST(GinMelds, RankCountsFollowTheHand) {
    const GinTable t = table("7S 7C 7D 7H 2S 4C 9D JH KS QD", "");
    EXPECT_EQ(t.rankcount[kComputer][7], 4);
    EXPECT_EQ(t.rankcount[kComputer][2], 1);
    EXPECT_EQ(t.rankcount[kComputer][3], 0);
}

TEST(GinMelds, EveryJudgementStartsAfresh) {
    GinTable t = table("", "3C 4C 5C 2S 9D JH KS QD 8H 6S", "", "TD");
    ASSERT_EQ(t.meldmark[tagOf(t, "4C")], -1);
    drawStock(t, kUser);
    discard(t, kUser, tagOf(t, "5C"));
    matching(t);
    EXPECT_EQ(t.meldmark[tagOf(t, "3C")], 0);
    EXPECT_EQ(t.runmark[tagOf(t, "4C")], 0);
    EXPECT_EQ(t.unmatched[kUser], 3 + 4 + 2 + 9 + 10 + 10 + 10 + 8 + 6 + 10);
}

TEST(GinMelds, AJudgementEndsTheHandOnceUsersGinFirst) {
    const char* gin = "AS 2S 3S 4C 5C 6C 7D 8D 9D TD";
    const char* nine = "2H 3H 4H 6S 6C 6D JC QC KC 9S";
    const char* ten = "2H 3H 4H 6S 6C 6D JC QC KC TS";
    const struct {
        const char* what;
        const char* computer;
        const char* user;
        int knockmood;
        HandEnd end;
    } cases[] = {
        {"both gin: the user's counts", "AH 2H 3H 4D 5D 6D 7C 8C 9C TC", gin, 4, HandEnd::UserGin},
        {"the computer's gin", "AH 2H 3H 4D 5D 6D 7C 8C 9C TC", "JS QH KD 5H 7H 8H JC QC KS 2D", 3,
         HandEnd::ComputerGin},
        {"nine knocks in the mood", nine, "AD 3D 5S 7S 8S JD KD 2C 4S 5H", 4, HandEnd::ComputerKnocks},
        {"nine does not knock out of the mood", nine, "AD 3D 5S 7S 8S JD KD 2C 4S 5H", 3, HandEnd::None},
        {"ten never knocks", ten, "AD 3D 5S 7S 8S JD KD 2C 4S 5H", 4, HandEnd::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GinTable t = table(c.computer, c.user, "", "", c.knockmood);
        EXPECT_EQ(handEnd(t), c.end);
    }
}

TEST(GinMelds, KeepMarksPairsAndSuitNeighbours) {
    const struct {
        const char* hand;
        const char* kept;
    } cases[] = {
        {"QS QH 2C 4D 6S 8H TC KD 9S 3H", "QS QH"},
        {"TS JS 2C 4D 6H 8C KD QH 5S 9H", "TS JS"},
        {"TS JH 2C 4D 6H 8C KD 3S 5S QC", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hand);
        const GinTable t = table(c.hand, "");
        std::set<std::string> kept;
        for (const std::string& name : namesOf(c.hand))
            if (t.keepmark[tagOf(t, name)] == -1) kept.insert(name);
        EXPECT_EQ(kept, namesOf(c.kept));
        EXPECT_EQ(t.keepmark[drawnTag(kComputer)], 0) << "no drawn card after a deal";
    }
}

}  // namespace
