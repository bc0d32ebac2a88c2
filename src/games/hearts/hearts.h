#pragma once

#include "games/hearts/hearts_table.h"

#include "common/gamewindow.h"
#include "core/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>
#include <string>

// The Hearts table: the user at the bottom against three computer seats. The rules live in plain
// functions over `table`; the window moves the pictures, runs the timers and asks the questions.
// Seats: 1 top, 2 right, 3 the user, 4 left. Slots 1-13 are the left hand, 14-26 the right,
// 27-39 the top and 40-52 the user's.
class hearts : public common::GameWindow {
public:
    hearts();

    // The deal is setcards then setcardbacks (dealhand); a new game adds startupstuff.
    void dealhand();
    void setcards();
    void setcardbacks();
    void startupstuff();
    // The face, and the suit and rank, of the card in slot `curslot`.
    void setcardsup();
    void setcardsup2();
    // Settles a hand after its last trick.
    void scoreit();
    void newgame1_Click();
    // The next hand, asked for when the score window closes: dealt only once a finished hand
    // has set the hand-played flag, with the pass button set for the next pass. Returns whether
    // it dealt.
    bool nexthand();
    // The score window's four lines, "name: total", for the top, right, user and left seats.
    std::array<std::string, 4> scorelines() const;
    // A deal of known cards (deckorder 1..52) in place of the shuffle.
    void dealKnown(const std::array<std::int16_t, 52>& order);
    // Whether a hand is being played: from "Start Hand" until its last trick is scored.
    bool handinplay() const { return table.handplaying; }
    // The jack of diamonds counts only while the rule reads exactly "YES".
    bool jackruleon() const { return jackruletext == "YES"; }

    heartsrules::HeartsTable table;
    // The seats' names by seat, as the name labels show them; the user's as it was at load.
    std::array<std::string, 5> names;
    // The text of "\jackrule.dat" as last read.
    std::string jackruletext;
    // Set at the end of every trick; cleared by the pass and start button, View > Score and a new
    // game. Closing the score window deals the next hand only while it is set.
    bool handplayed = false;
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow

    platform::ControlArray<platform::Image> Image1{*this, 0, 52};
    platform::Label Label5{*this}, Label6{*this}, Label7{*this}, Label8{*this};  // user, top, right, left
    platform::CommandButton Command1{*this};
    platform::CommandButton Command2{*this}, Command3{*this}, Command4{*this}, Command5{*this};
    platform::Timer Timer1{*this, 1000, false};
    platform::Timer Timer2{*this, 1000, false};
    platform::Timer Timer3{*this, 1, true};

    platform::Menu newgame1{file, "New Game", div};
    platform::Menu view{*this, "View", sound};
    platform::Menu showscore{view, "Score"};
    platform::Menu options{*this, "Settings", sound};
    platform::Menu jackrule{options, "Jack of Diamonds Rule"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void layslot(int slot);
    void stoptimers();
    void enablecards(bool on);
    void closeup(int seat, int slot);
    void leadtwoofclubs(int slot, int seat);
    void computercard(int seat, int slot);
    void placeintrick(int seat, int slot);
    void judgewhenfull();
    void starthand();
    void pass();
    bool computerplays();

    void Image1_Click(int Index);
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void showscore_Click();
    void jackrule_Click();
};
