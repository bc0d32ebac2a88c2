#include "games/spades/spades_scoring.h"

#include "games/spades/spades_deal.h"

#include "core/numbers.h"

namespace spadesrules {
namespace {

constexpr int kBagLimit = 10;

int teamBid(const SpadesTable& t, int team) {
    return t.bid[team == kOurs ? 1 : 2];
}

void scoreNils(SpadesTable& t) {
    for (int seat = 1; seat <= 4; ++seat) {
        int& score = t.teamscore[teamOf(seat)];
        const bool clean = t.trickswon[seat] == 0;
        if (t.blindnil[seat] == -1) score += clean ? 100 : -100;
        if (t.nilbid[seat] == -1) score += clean ? 50 : -50;
    }
}

}  // namespace

int judgeTrick(SpadesTable& t) {
    const MaybeSuit led = t.tricksuit[t.leader];
    for (int seat = 1; seat <= 4; ++seat) {
        if (t.tricksuit[seat] == Suit::Spades) t.trickvalue[seat] += 260;
        if (t.tricksuit[seat] == led && led != Suit::Spades) t.trickvalue[seat] += 130;
    }
    t.winner = core::trickwinner(t.trickvalue);
    t.bestvalue = t.trickvalue[t.winner];
    return t.winner;
}

bool bookTrick(SpadesTable& t) {
    clearTrick(t);
    ++t.trickswon[t.winner];
    --t.cardsleft;
    if (t.cardsleft <= 0) return true;
    t.turn = t.leader = t.winner;
    return false;
}

bool closeTrick(SpadesTable& t) {
    if (!bookTrick(t)) return false;
    scoreHand(t);
    return true;
}

int teamTricks(const SpadesTable& t, int team) {
    return team == kOurs ? t.trickswon[1] + t.trickswon[3] : t.trickswon[2] + t.trickswon[4];
}

void scoreHand(SpadesTable& t) {
    scoreNils(t);
    for (int team : {kOurs, kTheirs}) {
        const int over = teamTricks(t, team) - teamBid(t, team);
        if (over <= 0) continue;
        t.bags[team] += over;
        t.teamscore[team] += over;
    }
    for (int team : {kOurs, kTheirs}) {
        if (t.bags[team] < kBagLimit) continue;
        t.teamscore[team] -= 100;
        t.bags[team] -= kBagLimit;
    }
    for (int team : {kOurs, kTheirs}) {
        const int bid = teamBid(t, team);
        const int tricks = teamTricks(t, team);
        if (tricks >= bid) t.teamscore[team] += 10 * bid;
        else t.teamscore[team] -= 10 * (t.winner == 1 ? bid : bid - tricks);
    }
}

int targetOf(std::string_view text) {
    const int target = core::toInt(text, 0);
    return target > 0 ? target : kDefaultTarget;
}

Ending ending(int ourscore, int theirscore, int target) {
    if (ourscore <= -target) return Ending::Lost;
    if (theirscore <= -target) return Ending::Won;
    if (ourscore >= target) return Ending::Won;
    if (theirscore >= target) return Ending::Lost;
    return Ending::NextHand;
}

}  // namespace spadesrules
