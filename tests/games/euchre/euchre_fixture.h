#pragma once

#include "games/euchre/euchre.h"
#include "games/euchre/euchrescore.h"

#include "euchre_cards.h"
#include "support/game_window_test.h"

#include <string_view>

// No seat holds three of the turned nine of diamonds, and no computer seat three of any suit:
// round two ends with the last computer seat to speak naming hearts, the first suit it holds two of.
inline const euchretest::Deal kQuietDeal{"AH KH AC KC AS", "QH JH QC JC KS", "AD KD QD JD TD", "TH 9H TC 9C QS", "9D"};

// Euchre window tests: the game-window fixture with deals chosen by the test.
class EuchreTest : public gp::GameWindowTest {
protected:
    EuchreTest() : gp::GameWindowTest("euchre") {}

    // The main window stand-in, then the table as the chooser opens it: a random first hand
    // whose bidding starts at once.
    euchre& openTable();
    // The table with a known first hand dealt by `dealer`; its bidding starts as the window is
    // first shown, so the boxes it asks must be scripted first.
    euchre& openDealt(int dealer, const euchretest::Deal& deal);
    // The hand the score window has just dealt, replaced by a known one of the same dealer.
    void redeal(euchre& e, const euchretest::Deal& deal);

    // Lets the clock run until the user must play, or the hand is over.
    void runUntilUser(euchre& e);
    // Clicks the user's cards from the left until one is played; returns its slot.
    int playUserCard(euchre& e);
    // Plays the rest of the hand; the score window opens at its end.
    void playHand(euchre& e);

    // Seeds the generator so that the next new game, which draws three names and then the dealer,
    // is dealt by `dealer`.
    static void nextGameDealtBy(int dealer);
};
