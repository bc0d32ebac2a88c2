#include "hearts_fixture.h"

#include "core/numbers.h"
#include "platform/files.h"

#include <map>

std::array<std::int16_t, 52> HeartsTest::dealOf(const heartstest::Seats& seats) {
    std::map<int, int> placed;
    const std::pair<int, const std::string*> hands[] = {
        {1, &seats.top}, {2, &seats.right}, {3, &seats.user}, {4, &seats.left}};
    for (auto [seat, names] : hands) {
        int slot = heartsrules::firstSlot(seat);
        for (int c : heartstest::codes(*names)) placed[slot++] = c;
    }
    return gp::completeDeck(placed);
}

hearts& HeartsTest::openWith(const heartstest::Seats& seats) {
    hearts& h = openGame<hearts>();
    h.dealKnown(dealOf(seats));
    return h;
}

hearts& HeartsTest::openWithoutPass(const heartstest::Seats& seats) {
    hearts& h = openGame<hearts>();
    nextHand(h, "4");
    h.dealKnown(dealOf(seats));
    return h;
}

void HeartsTest::nextHand(hearts& h, const char* state) {
    h.table.passstate = core::toInt(state);
    h.handplayed = true;
    platform::window<heartsscore>().Show();
    settle();
    close(platform::window<heartsscore>());
}

void HeartsTest::passAndStart(hearts& h) {
    if (h.Command1.Caption.get() != "Start Hand") {
        for (int slot : {40, 41, 42}) click(h.Image1[slot]);
        click(h.Command1);
    }
    click(h.Command1);
}

bool HeartsTest::idle(const hearts& h) {
    return !h.Timer1.Enabled && !h.Timer2.Enabled && !h.Timer3.Enabled;
}

void HeartsTest::runUntilUser(hearts& h) {
    for (int waited = 0; waited < 60000; waited += 50) {
        if (!h.handinplay() || (h.table.turn == heartsrules::kUser && idle(h))) return;
        advance(50);
    }
    ADD_FAILURE() << "the table never came back to the user";
}

int HeartsTest::playUserCard(hearts& h) {
    for (int slot : heartsrules::slotsOf(heartsrules::kUser)) {
        if (!heartsrules::isHeld(h.table, slot)) continue;
        click(h.Image1[slot]);
        if (!heartsrules::isHeld(h.table, slot)) return slot;
    }
    ADD_FAILURE() << "no card of the user's hand could be played";
    return 0;
}

void HeartsTest::playHand(hearts& h) {
    for (int trick = 0; trick < 13 && h.handinplay() && !HasFailure(); ++trick) {
        runUntilUser(h);
        if (h.handinplay()) playUserCard(h);
    }
    runUntilUser(h);
}
