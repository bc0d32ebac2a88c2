#pragma once

#include "games/crazy8s-war/choosesuitcrazy8.h"
#include "games/crazy8s-war/crazy8s.h"

#include "crazy8s_builder.h"
#include "support/game_window_test.h"

#include <string>

// Crazy 8s window tests: deals chosen by the test, cards named as "8C".
class Crazy8sTest : public gp::GameWindowTest {
protected:
    Crazy8sTest() : GameWindowTest("crazy8s") {}

    // The main window stand-in, then the table with this deal in place of the load's.
    crazy8s& openWith(const std::string& user, const std::string& comp, const std::string& starter,
                      const std::string& stock = "");
    // The card image showing the named card.
    static int image(const crazy8s& c, const std::string& name) { return crazy8stest::image(c.table, name); }
    // Drags the named card of the user's hand onto the pile.
    void play(crazy8s& c, const std::string& name);
    // Plays the named card and lets the computer's second pass.
    void round(crazy8s& c, const std::string& name);

    // The card on top of the discard pile.
    static int topdiscard(const crazy8s& c);
    // Whether the user may act: cards and stock as a user's turn leaves them.
    static bool userturn(const crazy8s& c);
    // How many of the computer's backs show.
    static int backsShown(const crazy8s& c);
};

// The race that the computer and the user run in the tests: each follows the other's card for six
// rounds, the user by suit and the computer, whose cards lie in this image order, by rank. Then
// the user holds the ten of diamonds, which wins, and the computer one card, an eight or (with the
// king) a plain heart; the stock's first card is the nine of hearts.
inline const std::string kRaceUser = "3H 4C 5D 6S 7H 9C 10D";
inline const std::string kRaceCompEight = "3C 4D 5S 6H 7C 9D 8S";
inline const std::string kRaceCompKing = "3C 4D 5S 6H 7C 9D KH";
inline const std::string kRacePlays[] = {"3H", "4C", "5D", "6S", "7H", "9C"};
