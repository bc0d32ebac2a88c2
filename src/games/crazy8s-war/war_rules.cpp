#include "games/crazy8s-war/war_rules.h"

#include "core/cards.h"
#include "core/stock.h"

namespace warrules {
namespace {

constexpr int kWarDown = 3;  // cards a war lays face down before its face-up card
constexpr int kShort = 4;    // a pile below this cannot fight a war

// Lays up to three cards face down and one face up from the top of one pile onto the table.
void layside(WarTable& t, std::vector<WarCard>& laid, int pile, int tableBase, int& count, int& ontable,
             int& face) {
    for (int k = 1; k <= kWarDown + 1; ++k) {
        for (int card = 1; card <= kCards; ++card) {
            if (t.tag[card] != pile + k) continue;
            const bool up = k == kWarDown + 1;
            laid.push_back({card, up ? 0 : k});
            t.tag[card] = tableBase + ++ontable;
            --count;
            if (up) face = card;
            break;
        }
    }
}

// Both piles number from their tops again once cards have left them.
void closeup(WarTable& t, int left) {
    for (int k = 1; k <= kCards; ++k)
        if (t.tag[k] > kUserPile && t.tag[k] < kUserTable) t.tag[k] -= left;
}

}  // namespace

int rankvalue(int code) {
    const int rank = core::rankof(code);
    return rank == 1 ? kAce : rank;
}

void deal(WarTable& t) {
    for (int k = 1; k <= kCards; ++k) {
        t.tag[k] = k <= kPile ? kUserPile + k : kCompPile + k - kPile;
        t.cardrank[k] = static_cast<std::int16_t>(rankvalue(t.deckorder[k]));
    }
    t.playercount = kPile;
    t.compcount = kPile;
    t.playertable = 0;
    t.comptable = 0;
    t.playerface = 0;
    t.compface = 0;
    t.barewar = false;
}

void turn(WarTable& t) {
    --t.playercount;
    --t.compcount;
    t.playertable = 1;
    t.comptable = 1;
    t.barewar = false;
    for (int k = 1; k <= kCards; ++k) {
        if (t.tag[k] == kUserPile + 1) {
            t.tag[k] = kUserTable + 1;
            t.playerface = k;
        } else if (t.tag[k] == kCompPile + 1) {
            t.tag[k] = kCompTable + 1;
            t.compface = k;
        }
    }
    closeup(t, 1);
}

Judgement judge(const WarTable& t) {
    Judgement j;
    int user = t.cardrank[t.playerface];
    int comp = t.cardrank[t.compface];
    if (t.compcount < kShort) {
        j.shortside = Side::Computer;
        if (!t.barewar) ++user;
    } else if (t.playercount < kShort) {
        j.shortside = Side::User;
        if (!t.barewar) ++comp;
    }
    j.winner = comp > user ? Side::Computer : user > comp ? Side::User : Side::None;
    return j;
}

War laywar(WarTable& t) {
    War w;
    layside(t, w.user, kUserPile, kUserTable, t.playercount, t.playertable, t.playerface);
    layside(t, w.comp, kCompPile, kCompTable, t.compcount, t.comptable, t.compface);
    closeup(t, kWarDown + 1);
    t.barewar = w.user.empty() && w.comp.empty();
    return w;
}

int nextcollect(const WarTable& t) {
    for (int k = 1; k <= kCards; ++k)
        if (t.tag[k] >= kUserTable) return k;
    return 0;
}

BattleStep battlestep(const WarTable& t, bool sliding) {
    const Judgement j = judge(t);
    const int card = nextcollect(t);
    BattleStep step;
    if (j.shortside != Side::None && !sliding && card != 0) step.notice = j.shortside;
    if (j.winner == Side::None) {
        step.next = BattleStep::Next::War;
    } else if (card != 0) {
        step.next = BattleStep::Next::Collect;
        step.winner = j.winner;
        step.card = sliding ? 0 : card;
    }
    return step;
}

bool arrive(WarTable& t, int card, Side winner) {
    if (winner == Side::Computer) {
        t.tag[card] = kCompPile + ++t.compcount;
        return t.playercount == 0;
    }
    t.tag[card] = kUserPile + ++t.playercount;
    return t.compcount == 0;
}

bool canturn(const WarTable& t) { return t.playercount > 0 && t.compcount > 0; }

std::string_view pilepicture(int count) { return core::stockpicture(count, 40, 13); }

}  // namespace warrules
