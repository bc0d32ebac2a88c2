#pragma once

#include "games/hearts/hearts.h"
#include "games/hearts/heartsscore.h"

#include "support/game_window_test.h"
#include "table_builder.h"

#include <array>
#include <cstdint>

// Hearts window tests: the jack rule as shipped, and tables chosen by the test.
class HeartsTest : public gp::GameWindowTest {
protected:
    HeartsTest() : GameWindowTest("hearts") {}

    // The table with a known deal: the named cards in each seat's first slots, the rest of the
    // deck filling the free slots in code order.
    hearts& openWith(const heartstest::Seats& seats);
    static std::array<std::int16_t, 52> dealOf(const heartstest::Seats& seats);
    // The same deal in a hand without passing, as the score window leaves it after a fourth hand.
    hearts& openWithoutPass(const heartstest::Seats& seats);
    // Closes the score window after a hand whose successor passes as `state` ("1" to "4") says,
    // with the table's pass state and hand-played flag as the end of a hand leaves them.
    void nextHand(hearts& h, const char* state);

    // Raises three of the user's cards, passes, and starts the hand.
    void passAndStart(hearts& h);
    // Lets the clock run until the user must play, or the hand is over.
    void runUntilUser(hearts& h);
    // Clicks the user's held cards in slot order until one is played; returns its slot.
    int playUserCard(hearts& h);
    // Plays the rest of the hand; the score window opens at its end.
    void playHand(hearts& h);

    static bool idle(const hearts& h);
};
