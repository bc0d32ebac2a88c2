#include "spades_fixture.h"

#include "games/spades/spades_play.h"

#include <algorithm>
#include <vector>

using spadesrules::isHeld;
using spadesrules::kUser;

spades& SpadesTest::openTable() {
    boxes.expect("Bidding", platform::vbOK);
    return openGame<spades>();
}

spades& SpadesTest::openWith(const spadestest::Seats& seats, int dealer) {
    spades& s = openTable();
    deal(s, seats, dealer);
    return s;
}

void SpadesTest::deal(spades& s, const spadestest::Seats& seats, int dealer) {
    s.dealKnown(spadestest::dealOf(seats));
    s.table.dealer = dealer;
}

void SpadesTest::bid(spades& s, int teambid, bool nil) {
    if (s.table.blindnil[kUser] != -1) boxes.expect("Nil Bid?", nil ? platform::vbYes : platform::vbNo);
    click(s.Command3[teambid]);
}

void SpadesTest::endHand(spades& s, int ours, int theirs) {
    s.Timer1.Enabled = false;
    s.Timer2.Enabled = false;
    s.Timer3.Enabled = false;
    s.table.teamscore = {ours, theirs};
    platform::window<Spadescore>().handdone = true;
    s.scorecard_Click();
    settle();
    close(platform::window<Spadescore>());
    settle();
}

bool SpadesTest::handDone() {
    const Spadescore* score = platform::loaded<Spadescore>();
    return score && score->Visible && score->handdone;
}

bool SpadesTest::idle(const spades& s) {
    return !s.Timer1.Enabled && !s.Timer2.Enabled && !s.Timer3.Enabled;
}

void SpadesTest::runUntilUser(spades& s) {
    for (int waited = 0; waited < 60000; waited += 50) {
        if (handDone() || (s.table.turn == kUser && idle(s))) return;
        advance(50);
    }
    ADD_FAILURE() << "the table never came back to the user";
}

int SpadesTest::playUserCard(spades& s) {
    std::vector<int> held;
    for (int slot = 40; slot <= 52; ++slot)
        if (isHeld(s.table, slot)) held.push_back(slot);
    const auto key = [&](int slot) { return std::pair(s.table.cardsuit[slot] == core::Suit::Spades, s.table.cardrank[slot]); };
    std::sort(held.begin(), held.end(), [&](int a, int b) { return key(a) < key(b); });
    for (int slot : held) {
        click(s.Image1[slot]);
        if (!isHeld(s.table, slot)) return slot;
    }
    ADD_FAILURE() << "no card of the user's hand could be played";
    return 0;
}

void SpadesTest::playHand(spades& s) {
    for (int trick = 0; trick < 13 && !handDone() && !HasFailure(); ++trick) {
        runUntilUser(s);
        if (!handDone()) playUserCard(s);
    }
    runUntilUser(s);
}
