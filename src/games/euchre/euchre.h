#pragma once

#include "games/euchre/euchre_table.h"
#include "games/euchre/euchre_turns.h"

#include "common/gamewindow.h"
#include "common/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The Euchre table: the user and a computer partner against two computer seats, five cards each
// from a deck of 24. The rules live in plain functions over `table`; the window moves the
// pictures, runs the timers and asks the questions. Seats: 1 the partner (top), 2 right, 3 the
// user (bottom), 4 left. Slots 1-5 are the user's row, 6-10 seat 4's, 11-15 seat 1's, 16-20 seat
// 2's and 21-24 the kitty, whose first card is turned up.
class euchre : public common::GameWindow {
public:
    euchre();

    // A new hand: the deal, then making trump.
    void startup();
    void sstart();
    // The rest of the hand: the end of the first round of making trump, the start of play, the
    // suit counts, the judging and the count of a trick.
    void nextstep();
    void gamestart();
    void rainman();
    void check();
    void resetit();
    // A new game: new names, a drawn dealer, points 0 to 0, a fresh deal and making trump.
    void nnew();
    // After a hand: the next dealer deals the next hand, and its trump is made.
    void nexthand();
    // The score window's lines: both teams' names ("user/partner"), then their points.
    std::array<std::string, 4> scorecaptions() const;
    void startgame_Click();
    // The face and suit of the card in slot `dealslot`, and the face of a computer seat's card
    // just played.
    void zzz();
    void zzz2(int slot);
    // A deal of known cards (deckorder 1..24) in place of the shuffle, by the dealer in `table`.
    void dealKnown(const std::array<std::int16_t, 24>& order);
    // Whether the hand's cards are being played: from the first lead until the fifth trick counts.
    bool handinplay() const { return table.playing; }

    // What only the window keeps between its events.
    struct Marks {
        bool firstactivation = false;  // from the load until the first activation, which starts the bidding
        bool sweepmoving = false;      // the finished trick's sweep has had its first tick
    };

    euchrerules::EuchreTable table;
    Marks marks;
    // The seats' names by seat, as the name labels show them; the user's as it was when the game began.
    std::array<std::string, 5> names;
    // The text of "\Data\euchreto.dat" as read at load, replaced (not read back) by the Play to menu.
    std::string playtarget;
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow

    platform::ControlArray<platform::Image> Image1{*this, 0, 24};
    platform::ControlArray<platform::Image> compcard{*this, 1, 15};
    platform::Image Image3{*this};  // the turned-up card
    platform::Image Image4{*this};  // the trump picture
    platform::Image Image5{*this};  // the turn arrow, never shown
    platform::Image Image2{*this};  // the dealer marker, never shown
    platform::Label Label11{*this}, Label12{*this}, Label13{*this}, Label14{*this};  // user, seats 1, 2, 4
    platform::Label Label3{*this}, Label4{*this}, Label1{*this}, Label2{*this};      // tricks of seats 1, 2, 3, 4
    platform::Label Label6{*this}, Label7{*this}, Label8{*this}, Label5{*this};      // remarks of seats 1, 2, 3, 4
    platform::Label Label9{*this};
    platform::Frame Frame1{*this};
    platform::Label Label10{Frame1};
    platform::Image Image9{Frame1}, Image6{Frame1}, Image8{Frame1}, Image7{Frame1};  // hearts, spades, clubs, diamonds
    platform::Timer Timer1{*this, 1000, false};  // round one of making trump
    platform::Timer Timer3{*this, 1000, false};  // the pause between the rounds
    platform::Timer Timer2{*this, 1000, false};  // round two
    platform::Timer Timer4{*this, 1000, false};  // the computer seats' cards
    platform::Timer Timer6{*this, 2000, false};  // the pause after a trick
    platform::Timer Timer5{*this, 10, false};    // the sweep

    platform::Menu newgame{file, "New Game", div};
    platform::Menu startgame{file, "Start Game", div};
    platform::Menu playto{*this, "Play to", sound};
    platform::Menu playtoeight{playto, "8"};
    platform::Menu playtoten{playto, "10"};
    platform::Menu playtotwelve{playto, "12"};
    platform::Menu view{*this, "View", sound};
    platform::Menu score{view, "Score"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void seatplayers(std::string_view partnerSecond);
    void setscale();
    void scalewindow();
    void deal(const std::array<std::int16_t, 24>* known);
    void showtags();
    void enablecards(bool on);
    void pointarrow(int seat, float at);
    void clearremarks();
    platform::Label& remark(int seat);
    platform::Label& tricks(int seat);
    void askuser();
    bool acceptsturned();
    void useraccepts();
    void maketrump(euchrerules::Suit suit, int seat, std::string_view title);
    void picksuit(euchrerules::Suit suit, bool hideFirst);
    void showplayed(const euchrerules::PlayTurn& play);
    void tickplayto();
    void setplayto(std::string_view value);

    void Image1_Click(int Index);
    void Image6_Click();
    void Image7_Click();
    void Image8_Click();
    void Image9_Click();
    void Label10_Click();
    void Timer1_Timer();
    void Timer3_Timer();
    void Timer2_Timer();
    void Timer4_Timer();
    void Timer6_Timer();
    void Timer5_Timer();
    void newgame_Click();
    void playtoeight_Click();
    void playtoten_Click();
    void playtotwelve_Click();
    void score_Click();
};
