#include "euchre_fixture.h"

#include "core/chance.h"
#include "core/rndnum.h"
#include "platform/files.h"

euchre& EuchreTest::openTable() { return openGame<euchre>(); }

euchre& EuchreTest::openDealt(int dealer, const euchretest::Deal& deal) {
    open<gp::mainstandin>();
    euchre& e = platform::window<euchre>();
    e.table.dealer = dealer;
    e.dealKnown(euchretest::order(deal));
    e.Show();
    settle();
    return e;
}

void EuchreTest::redeal(euchre& e, const euchretest::Deal& deal) {
    e.dealKnown(euchretest::order(deal));
    e.rainman();
}

void EuchreTest::runUntilUser(euchre& e) {
    for (int waited = 0; waited < 60000; waited += 50) {
        const bool busy = e.Timer4.Enabled || e.Timer5.Enabled || e.Timer6.Enabled;
        if (!e.handinplay() || (e.table.turn == euchrerules::kUser && !busy)) return;
        advance(50);
    }
    ADD_FAILURE() << "the table never came back to the user";
}

int EuchreTest::playUserCard(euchre& e) {
    for (int place = 1; place <= 5; ++place) {
        for (int slot = 1; slot <= 5; ++slot) {
            if (e.table.tag[slot] != place) continue;
            click(e.Image1[slot]);
            if (e.table.turn != euchrerules::kUser) return slot;
        }
    }
    ADD_FAILURE() << "no card of the user's hand could be played";
    return 0;
}

void EuchreTest::playHand(euchre& e) {
    for (int trick = 0; trick < 5 && e.handinplay() && !HasFailure(); ++trick) {
        runUntilUser(e);
        if (e.handinplay()) playUserCard(e);
    }
    runUntilUser(e);
}


void EuchreTest::nextGameDealtBy(int dealer) {
    for (std::uint32_t seed = 1;; ++seed) {
        core::Randomize(seed);
        for (int name = 0; name < 3; ++name) core::rndnum(2);
        if (core::rndnum(4) != dealer) continue;
        core::Randomize(seed);
        return;
    }
}
