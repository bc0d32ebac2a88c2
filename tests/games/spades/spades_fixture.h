#pragma once

#include "games/spades/spades.h"
#include "games/spades/spadescore.h"

#include "spades_builder.h"
#include "support/game_window_test.h"

#include <array>
#include <cstdint>
#include <string>

// Spades window tests: deals chosen by the test.
class SpadesTest : public gp::GameWindowTest {
protected:
    SpadesTest() : GameWindowTest("spades") {}

    // The main window stand-in, then the table, whose first activation starts a game and shows
    // the partner's suggestion.
    spades& openTable();
    // The table with a known deal in place of the first one, and the dealer given.
    spades& openWith(const spadestest::Seats& seats, int dealer);
    void deal(spades& s, const spadestest::Seats& seats, int dealer);

    // A bid button, answering the Nil question (not asked after a Blind Nil).
    void bid(spades& s, int teambid, bool nil = false);
    // Ends a hand as the last trick does (every timer stopped, the flag set, the score window shown)
    // with these totals, and closes the score window.
    void endHand(spades& s, int ours, int theirs);
    // Whether a finished hand's score window is waiting.
    static bool handDone();
    static bool idle(const spades& s);
    // Lets the clock run until the user must play, or the hand is over.
    void runUntilUser(spades& s);
    // Plays the user's lowest card that may be played, keeping spades back, as a Nil bidder would;
    // returns its slot.
    int playUserCard(spades& s);
    // Plays the rest of the hand; its score window opens at the end.
    void playHand(spades& s);
    // The held user slot of the named card.
    static int slotOf(const spades& s, const std::string& card) { return spadestest::slotOf(s.table, card); }
};
