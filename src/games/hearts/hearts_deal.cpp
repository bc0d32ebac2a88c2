#include "games/hearts/hearts_deal.h"

#include <algorithm>

#include "core/cards.h"

namespace heartsrules {

void suitAndRank(HeartsTable& t, int slot) {
    const int code = t.deckorder[slot];
    if (code < 1 || code > 52) return;
    t.cardsuit[slot] = core::suitofcode(code);
    t.cardrank[slot] = core::rankof(code);
}

void beginDeal(HeartsTable& t) {
    t.passphase = -1;
    t.handplaying = false;
    t.pointcards.fill(0);
    for (int slot = 1; slot <= 52; ++slot) t.tag[slot] = seatOfSlot(slot);
}

void clearLayoutState(HeartsTable& t) {
    t.passphase = -1;
    t.passcount = 0;
    t.passslots.fill(0);
    t.heartsbroken = 0;
    clearSuitCounts(t);
    t.cardused.fill(0);
}

void newGameState(HeartsTable& t) {
    t.cardsleft.fill(13);
    t.cardsleft[0] = 0;
    t.gamescore.fill(0);
    t.totals.fill(0);
    t.passstate = 1;
    t.buttonpass = 1;
}

void clearTrick(HeartsTable& t) {
    t.trickvalue.fill(0);
    t.trickslot.fill(0);
    t.tricksuit.fill(std::nullopt);
}

std::string_view passCaption(int passstate) {
    switch (passstate) {
    case 1: return "Pass Left";
    case 2: return "Pass Right";
    case 3: return "Pass Foward";
    default: return "Start Hand";
    }
}

Row passRow(const HeartsTable& t, int slot) {
    if (!slotOfSeat(kUser, slot)) return Row::Elsewhere;
    const auto* const first = t.passslots.begin() + 1;
    const auto* const last = first + t.passcount;
    return std::find(first, last, slot) != last ? Row::Raised : Row::Hand;
}

std::optional<Row> choosePassCard(HeartsTable& t, int slot, Row current) {
    if (current == Row::Hand && t.passcount < 3) {
        t.passslots[++t.passcount] = slot;
        return Row::Raised;
    }
    if (current != Row::Raised) return std::nullopt;
    auto* const first = t.passslots.begin() + 1;
    auto* const last = first + t.passcount;
    auto* const found = std::find(first, last, slot);
    if (found != last) {
        std::move(found + 1, last, found);
        t.passslots[t.passcount--] = 0;
    }
    return Row::Hand;
}

std::array<int, 3> passTargets(int passstate) {
    switch (passstate) {
    case 1: return {11, 12, 13};
    case 2: return {24, 25, 26};
    case 3: return {37, 38, 39};
    default: return {0, 0, 0};
    }
}

std::array<int, 3> exchangePass(HeartsTable& t, int passstate) {
    const std::array<int, 3> target = passTargets(passstate);
    const std::array<int, 3> chosen{t.passslots[1], t.passslots[2], t.passslots[3]};
    if (target[0] == 0 || t.passcount != 3) return {0, 0, 0};
    std::array<int, 3> given{};
    for (int k = 0; k < 3; ++k) given[k] = t.deckorder[chosen[k]];
    for (int k = 0; k < 3; ++k) t.deckorder[chosen[k]] = t.deckorder[target[k]];
    for (int k = 0; k < 3; ++k) t.deckorder[target[k]] = given[k];
    return chosen;
}

std::array<int, 3> passChosen(HeartsTable& t) {
    const std::array<int, 3> received = exchangePass(t, t.buttonpass);
    t.buttonpass = 4;
    return received;
}

}  // namespace heartsrules
