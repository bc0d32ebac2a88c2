#include "games/memory/memory_turns.h"

namespace memoryrules {
namespace {

int drawInPlay(const MemoryTable& t, const Draw& draw, int besides) {
    auto takes = [&](int position) {
        return onBoard(t, position) && t.tag[position] != kRemoved && position != besides;
    };
    int position = draw(t.cards);
    while (!takes(position)) position = draw(t.cards);
    return position;
}

void remember(MemoryTable& t, int position) { t.compmemory[position] = t.pairnum[position]; }

// The second card of a turn, by either side.
Outcome decide(MemoryTable& t, int position) {
    t.secondpair = t.pairnum[position];
    t.secondcard = position;
    t.turncount = 0;
    return t.secondpair == t.firstpair ? Outcome::Pair : Outcome::Miss;
}

}  // namespace

Skill skillof(std::string_view text) {
    if (text == "MED") return Skill::Medium;
    if (text == "HARD") return Skill::Hard;
    return Skill::Easy;
}

void turnface(MemoryTable& t, int position) { t.pairnum[position] = pairof(t.deckorder[position]); }

Outcome turnUser(MemoryTable& t, int position, bool rememberIt) {
    ++t.turncount;
    turnface(t, position);
    if (rememberIt) remember(t, position);
    if (t.turncount == 1) {
        t.firstpair = t.pairnum[position];
        t.firstcard = position;
        return Outcome::FirstCard;
    }
    return decide(t, position);
}

void computerFirst(MemoryTable& t, Skill skill, const Draw& draw) {
    t.turncount = 0;
    t.firstpair = kNoFirst;
    t.secondpair = kNoSecond;
    t.firstcard = kNoFirst;
    t.secondcard = kNoSecond;
    t.cardindex = drawInPlay(t, draw, 0);
    ++t.turncount;
    turnface(t, t.cardindex);
    t.firstpair = t.pairnum[t.cardindex];
    t.firstcard = t.cardindex;
    if (skill != Skill::Easy) remember(t, t.cardindex);
}

int secondPick(const MemoryTable& t, Skill skill, const Draw& draw) {
    if (skill != Skill::Easy)
        for (int position = 1; position <= t.cards; ++position)
            if (t.compmemory[position] == t.firstpair && position != t.firstcard) return position;
    return drawInPlay(t, draw, t.firstcard);
}

Outcome computerSecond(MemoryTable& t, Skill skill, const Draw& draw) {
    t.cardindex = secondPick(t, skill, draw);
    ++t.turncount;
    turnface(t, t.cardindex);
    if (skill == Skill::Hard) remember(t, t.cardindex);
    return decide(t, t.cardindex);
}

void claimPair(MemoryTable& t, Side side) {
    ++(side == Side::User ? t.playermatches : t.compmatches);
    t.tag[t.firstcard] = kRemoved;
    t.tag[t.secondcard] = kRemoved;
}

std::string_view verdict(int playermatches, int compmatches) {
    if (playermatches > compmatches) return "You Win, Keep Playing?";
    if (playermatches < compmatches) return "You Lose, Keep Playing?";
    return "Game is a Tie, Keep Playing?";
}

}  // namespace memoryrules
