#include "common/topthree.h"

#include "program_folder.h"

#include <vector>

using namespace common;

namespace {

TopThree table(const std::array<const char*, 3>& values) {
    return {TopEntry{"A", values[0]}, TopEntry{"B", values[1]}, TopEntry{"C", values[2]}};
}

std::vector<std::string> rows(const TopThree& t) {
    std::vector<std::string> out;
    for (const auto& e : t) out.push_back(e.name + "=" + e.value);
    return out;
}

struct Case {
    const char* what;
    TopOrder order;
    std::array<const char*, 3> stored;
    int result;
    int rank;
    std::vector<std::string> after;
};

}  // namespace

TEST(TopThree, ResultEntersAboveTheFirstEntryItStrictlyBeats) {
    const auto H = TopOrder::HigherBetter;
    const auto L = TopOrder::LowerBetter;
    const Case cases[] = {
        {"score above all", H, {"30", "20", "10"}, 40, 1, {"N=40", "A=30", "B=20"}},
        {"tie goes below", H, {"30", "20", "10"}, 20, 3, {"A=30", "B=20", "N=20"}},
        {"tie with first", H, {"30", "20", "10"}, 30, 2, {"A=30", "N=30", "B=20"}},
        {"beats none", H, {"30", "20", "10"}, 5, 0, {"A=30", "B=20", "C=10"}},
        {"equal to last", H, {"30", "20", "10"}, 10, 0, {"A=30", "B=20", "C=10"}},
        {"beyond 16 bits", H, {"40000", "33000", "32767"}, 41000, 1, {"N=41000", "A=40000", "B=33000"}},
        {"time fastest", L, {"40", "55", "90"}, 9, 1, {"N=9", "A=40", "B=55"}},
        {"time too slow", L, {"40", "55", "90"}, 100, 0, {"A=40", "B=55", "C=90"}},
        {"time of five never", L, {"40", "55", "90"}, 5, 0, {"A=40", "B=55", "C=90"}},
        {"time under five never", L, {"40", "55", "90"}, 1, 0, {"A=40", "B=55", "C=90"}},
        {"time of six enters", L, {"40", "55", "90"}, 6, 1, {"N=6", "A=40", "B=55"}},
        {"time 100 over 95", L, {"40", "55", "95"}, 100, 0, {"A=40", "B=55", "C=95"}},
        {"time 95 under 100", L, {"40", "55", "100"}, 95, 3, {"A=40", "B=55", "N=95"}},
        {"time tie goes below", L, {"40", "55", "90"}, 40, 2, {"A=40", "N=40", "B=55"}},
        // Missing or unreadable values are empty slots that any result beats.
        {"empty table", H, {"", "", ""}, 0, 1, {"N=0", "A=", "B="}},
        {"empty second slot", H, {"30", "", "10"}, 20, 2, {"A=30", "N=20", "B="}},
        {"unreadable first", H, {"many", "20", "10"}, 1, 1, {"N=1", "A=many", "B=20"}},
        {"empty time slot", L, {"40", "55", ""}, 300, 3, {"A=40", "B=55", "N=300"}},
        {"empty time slot keeps short rule", L, {"", "", ""}, 3, 0, {"A=", "B=", "C="}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto t = table(c.stored);
        EXPECT_EQ(entertopthree(t, "N", c.result, c.order), c.rank);
        EXPECT_EQ(rows(t), c.after);
    }
}

TEST(TopThree, StoredValuesConvertWithBlanksAndLineBreaks) {
    EXPECT_FALSE(beats(20, " 20 ", TopOrder::HigherBetter));
    EXPECT_TRUE(beats(21, "20\r\n", TopOrder::HigherBetter));
    EXPECT_TRUE(beats(19, "20", TopOrder::LowerBetter));
    EXPECT_FALSE(beats(20, "20", TopOrder::LowerBetter));
}

using TopThreeFiles = ProgramFolder;

TEST_F(TopThreeFiles, SixFilesPerGame) {
    EXPECT_EQ(topthreefile("color", "name", 1), "\\Data\\colorname1.dat");
    EXPECT_EQ(topthreefile("hangman", "score", 3), "\\Data\\hangmanscore3.dat");
    EXPECT_EQ(topthreefile("memory", "score", 2), "\\Data\\memoryscore2.dat");
}

TEST_F(TopThreeFiles, SaveThenLoadRoundTrips) {
    const TopThree t{TopEntry{"alpha", "47"}, TopEntry{"Guest", "52"}, TopEntry{"beta", "90"}};
    savetopthree(t, "memory");
    EXPECT_EQ(raw("Data/memoryname2.dat"), "Guest\r\n");
    EXPECT_EQ(raw("Data/memoryscore3.dat"), "90\r\n");
    const auto back = loadtopthree("memory");
    EXPECT_EQ(rows(back), rows(t));
}

TEST_F(TopThreeFiles, MissingFilesLoadAsEmptySlots) {
    put("Data/colorname1.dat", "alpha\r\n");
    put("Data/colorscore1.dat", "3000\r\n");
    const auto t = loadtopthree("color");
    EXPECT_EQ(rows(t), (std::vector<std::string>{"alpha=3000", "=", "="}));
    auto entered = t;
    EXPECT_EQ(entertopthree(entered, "Guest", 1000, TopOrder::HigherBetter), 2);
}
