#include "crazy8s_fixture.h"

using crazy8srules::kCompTag;

crazy8s& Crazy8sTest::openWith(const std::string& user, const std::string& comp, const std::string& starter,
                               const std::string& stock) {
    crazy8s& c = openGame<crazy8s>();
    c.dealKnown(crazy8stest::deck(user, comp, starter, stock));
    settle();
    return c;
}

void Crazy8sTest::play(crazy8s& c, const std::string& name) { drag(c.Image1[image(c, name)], c.Image2); }

void Crazy8sTest::round(crazy8s& c, const std::string& name) {
    play(c, name);
    advance(1000);
}

int Crazy8sTest::topdiscard(const crazy8s& c) {
    for (int k = 1; k <= 52; ++k)
        if (c.table.tag[k] == c.table.discardtag) return k;
    return 0;
}

bool Crazy8sTest::userturn(const crazy8s& c) {
    for (int k = 1; k <= 52; ++k)
        if (!c.Image1[k].Enabled) return false;
    return !c.Timer3.Enabled && c.Enabled;
}

int Crazy8sTest::backsShown(const crazy8s& c) {
    int shown = 0;
    for (int k = 1; k <= 28; ++k) shown += c.compcard[k].Visible ? 1 : 0;
    return shown;
}
