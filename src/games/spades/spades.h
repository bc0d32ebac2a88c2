#pragma once

#include "games/spades/spades_table.h"

#include "common/gamewindow.h"
#include "common/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The Spades table: the user at the bottom with a computer partner at the top, against two
// computer seats. The rules live in plain functions over `table`; the window moves the pictures,
// runs the timers and asks the questions. Seats: 1 partner (top), 2 right, 3 the user, 4 left.
// Slots 1-13 are the left hand, 14-26 the right, 27-39 the partner's and 40-52 the user's.
class spades : public common::GameWindow {
public:
    spades();

    // A deal is setcards, setcardbacks, startmeup, then morestuff opens the bidding.
    void setcards();
    void setcardbacks();
    void startmeup();
    void morestuff();
    // A new game: totals cleared and the first hand dealt.
    void thisisdone();
    // The next hand of the game, as the score window deals it.
    void nexthand();
    // The suit and rank, and the face, of the card in slot `table.loopslot`.
    void suitnum();
    void setcards22();
    void countsuits();
    // Fills the score window and shows it.
    void scorecard_Click();
    void start_Click();
    // A deal of known cards (deckorder 1..52) in place of the shuffle; the computer seats bid again
    // on it and the hand's bidding stays as it was.
    void dealKnown(const std::array<std::int16_t, 52>& order);

    spadesrules::SpadesTable table;
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow
    // The players' names as the labels show them, drawn at load: the partner (top), the right and
    // left seats, and the user.
    std::string partnername, rightname, leftname, playername;

    platform::ControlArray<platform::Image> Image1{*this, 0, 52};
    platform::ControlArray<platform::Shape> Shape3{*this, 0, 13};  // our tricks
    platform::ControlArray<platform::Shape> Shape1{*this, 0, 14};  // theirs
    platform::Label Label9{*this}, Label10{*this};                 // row captions
    platform::Label Label16{*this}, Label17{*this}, Label18{*this}, Label11{*this};  // seats 1, 2, 4, 3
    platform::Label Label12{*this}, Label13{*this}, Label14{*this}, Label15{*this};  // nil marks, seats 1-4
    platform::Label Label5{*this}, Label6{*this}, Label7{*this}, Label8{*this};      // tricks of seats 1-4
    platform::Frame Frame1{*this};
    platform::ControlArray<platform::CommandButton> Command3{Frame1, 0, 13};
    platform::CommandButton Command5{*this};
    platform::Timer Timer1{*this, 1000};
    platform::Timer Timer2{*this, 1000};
    platform::Timer Timer3{*this, 1};

    platform::Menu start{file, "Start Game", div};
    platform::Menu scoring{*this, "Scoring", sound};
    platform::Menu scorecard{scoring, "View Score"};
    platform::Menu dun2{scoring, "-"};
    platform::Menu to200{scoring, "200"};
    platform::Menu to250{scoring, "250"};
    platform::Menu to400{scoring, "400"};

    // The game's target as "\Data\spadesto.dat" held it when last read: its menu item is ticked
    // and the score window plays to it.
    std::string target;

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void layslot(int slot);
    void shownils();
    void showtheirbid();
    void showtarget();
    void enablecards(bool on);
    void closeup(int seat, int slot);
    void stopplay();
    void showplay(int seat, int slot);
    void placeintrick(int seat, int slot);
    void booktrick();
    void settarget(std::string_view target);

    void Image1_Click(int Index);
    void Command3_Click(int Index);
    void Command5_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void to200_Click();
    void to250_Click();
    void to400_Click();
};
