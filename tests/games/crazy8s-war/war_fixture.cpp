#include "war_fixture.h"

wargame& WarTest::openWith(const std::string& user, const std::string& comp) {
    wargame& w = openGame<wargame>();
    w.dealKnown(wartest::deck(user, comp));
    settle();
    return w;
}

wargame& WarTest::openPiles(const std::string& user, int userMore, const std::string& comp, int compMore) {
    wargame& w = openWith(user, comp);
    w.table = wartest::piles(user, userMore, comp, compMore);
    return w;
}

bool WarTest::busy(const wargame& w) {
    return w.Timer1.Enabled || w.Timer2.Enabled || w.Timer3.Enabled || w.Timer4.Enabled;
}

void WarTest::finish(wargame& w) {
    for (int ms = 0; ms < 60000 && busy(w); ms += 15) advance(15);
    EXPECT_FALSE(busy(w)) << "the battle goes on";
}

void WarTest::battle(wargame& w) {
    click(w.yourdeck);
    finish(w);
}

std::vector<int> WarTest::collect(wargame& w) {
    std::vector<int> arrived;
    auto before = w.table.tag;
    for (int ms = 0; ms < 60000 && busy(w); ms += 15) {
        advance(15);
        for (int k = 1; k <= 52; ++k)
            if (before[k] >= warrules::kUserTable && w.table.tag[k] < warrules::kUserTable) arrived.push_back(k);
        before = w.table.tag;
    }
    return arrived;
}
