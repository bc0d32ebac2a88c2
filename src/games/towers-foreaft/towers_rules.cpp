#include "games/towers-foreaft/towers_rules.h"

#include "core/scaling.h"

namespace towersrules {
namespace {

bool isDisc(const TowersTable& t, int d) { return d >= 1 && d <= t.n; }
bool isPeg(int p) { return p >= 1 && p <= kPegs; }

constexpr TowersDesign kDesigns[] = {
    {4,
     {10845, 6225},
     {{{0, 0}, {1005, 240}, {1545, 300}, {1935, 375}, {2535, 525}}},
     {{{}, {0, 1560, 4920, 8280}, {0, 1320, 4680, 8040}, {0, 1125, 4500, 7800}, {0, 840, 4200, 7560}}},
     {{0, 4000, 3480, 3000, 2640}}},
    {5,
     {10845, 5910},
     {{{0, 0}, {1005, 240}, {1545, 300}, {2055, 420}, {2535, 525}, {2775, 645}}},
     {{{},
       {0, 1560, 4920, 8280},
       {0, 1320, 4680, 8040},
       {0, 1080, 4320, 7680},
       {0, 840, 4080, 7440},
       {0, 720, 3960, 7320}}},
     {{0, 3840, 3120, 2520, 2040, 1560}}},
    {6,
     {10845, 6015},
     {{{0, 0}, {1005, 240}, {1545, 300}, {1815, 375}, {2175, 525}, {2550, 540}, {3255, 645}}},
     {{{},
       {0, 1560, 4920, 8280},
       {0, 1320, 4680, 8040},
       {0, 1200, 4560, 7920},
       {0, 1080, 4320, 7680},
       {0, 840, 4200, 7440},
       {0, 480, 3840, 7080}}},
     {{0, 3960, 3240, 2640, 2160, 1800, 1440}}},
};

}  // namespace

void newgame(TowersTable& t) {
    t.pegcount = {};
    t.pegcount[1] = static_cast<std::int16_t>(t.n);
    for (int d = 1; d <= t.n; ++d) t.piecepeg[d] = 1;
    settops(t);
}

void settops(TowersTable& t) {
    for (int p = 1; p <= kPegs; ++p) {
        t.pegtop[p] = 0;
        for (int d = t.n; d >= 1; --d)
            if (t.piecepeg[d] == p) t.pegtop[p] = static_cast<std::int16_t>(d);
    }
}

bool draggable(const TowersTable& t, int disc) {
    return isDisc(t, disc) && t.pegtop[t.piecepeg[disc]] == disc;
}

bool accepts(const TowersTable& t, int d, int s, int p) {
    if (!isDisc(t, d) || !isPeg(s) || !isPeg(p)) return false;
    if (t.piecepeg[d] != s || !draggable(t, d)) return false;
    return t.pegtop[p] == 0 || d < t.pegtop[p];
}

bool drop(TowersTable& t, int d, int s, int p) {
    if (!accepts(t, d, s, p)) return false;
    ++t.pegcount[p];
    t.piecepeg[d] = static_cast<std::int16_t>(p);
    --t.pegcount[s];
    settops(t);
    return true;
}

bool won(const TowersTable& t) { return t.pegcount[2] == t.n || t.pegcount[3] == t.n; }

const TowersDesign& design(int n) {
    for (const auto& d : kDesigns)
        if (d.n == n) return d;
    return kDesigns[0];
}

double pegLeft(int peg) {
    constexpr double lefts[] = {0, 360, 3720, 7080};
    return lefts[isPeg(peg) ? peg : 1];
}

double discLeft(const TowersDesign& d, int disc, int peg, float scale) {
    return core::scaled(d.left[disc][peg], scale);
}

double discTop(const TowersDesign& d, int height, float scale) { return core::scaled(d.top[height], scale); }

}  // namespace towersrules
