#pragma once

#include "games/crazy8s-war/war_rules.h"

#include "common/gamewindow.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// War against one computer player. The user clicks the own pile; both top cards are turned, the
// higher takes both, equal ranks start a war, and the won cards slide one at a time into the
// winner's pile. The rules act on `table`; the window moves the pictures and runs the timers:
// Timer1 judges a battle and hands the won cards over, Timer2 and Timer3 slide a card to the
// computer and to the user, Timer4 turns a war's cards up.
class wargame : public common::GameWindow {
public:
    wargame();

    void newgame_Click();
    // A new game: every timer stopped, the cards shuffled into two piles of 26.
    void startmeup();
    // The same deal with the cards chosen by the caller instead of a shuffle: deckorder(1..52).
    void dealKnown(const std::array<std::int16_t, 52>& order);

    warrules::WarTable table;
    int sliding = 0;  // the won card sliding to the winner
    float scale = 1;

    platform::ControlArray<platform::Image> Image1{*this, 1, 52};
    platform::Frame Frame1{*this};  // the computer's corner
    platform::Image compdeck{Frame1};
    platform::Label Label2{Frame1};
    platform::Frame Frame2{*this};  // the user's corner
    platform::Image yourdeck{Frame2};
    platform::Label Label1{Frame2};
    platform::Timer Timer1{*this, 1500};
    platform::Timer Timer2{*this, 1};
    platform::Timer Timer3{*this, 1};
    platform::Timer Timer4{*this, 1500};

    platform::Menu newgame{file, "New Game", div};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void scalewindow();
    void lay();
    void zzz(int card);
    void showpile(platform::Image& pile, int count);
    void showtags();
    void laywar();
    void slide(platform::Timer& timer, warrules::Side winner);

    void yourdeck_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
};
