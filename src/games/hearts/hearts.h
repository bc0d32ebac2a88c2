#pragma once

#include "games/hearts/hearts_table.h"

#include "common/scaling.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The Hearts table: the user at the bottom against three computer seats. The rules live in plain
// functions over `table`; the window moves the pictures, runs the timers and asks the questions.
// Seats: 1 top, 2 right, 3 the user, 4 left. Slots 1-13 are the left hand, 14-26 the right,
// 27-39 the top and 40-52 the user's.
class hearts : public platform::Form {
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
    // Counts the hands and tags every slot with its seat when play begins.
    void cardcount();
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
    bool jackruleon() const { return RichTextBox1.Text == "YES"; }

    heartsrules::HeartsTable table;
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow

    platform::ControlArray<platform::Image> Image1{*this, 0, 52};
    platform::Label Label1{*this}, Label2{*this}, Label3{*this}, Label4{*this};  // totals of seats 1-4
    platform::Label Label5{*this}, Label6{*this}, Label7{*this}, Label8{*this};  // user, top, right, left
    platform::CommandButton Command1{*this};
    platform::CommandButton Command2{*this}, Command3{*this}, Command4{*this}, Command5{*this};
    platform::Timer Timer1{*this, 1000, false};
    platform::Timer Timer2{*this, 1000, false};
    platform::Timer Timer3{*this, 1, true};
    platform::TextBox Text1{*this};  // the next hand's pass state, for the score window
    platform::TextBox Text2{*this};  // the slot the pointer last moved over
    platform::TextBox Text4{*this};  // "D" once a trick has been played: the score window may deal
    platform::TextBox txtres{*this};
    platform::RichTextBox RichTextBox1{*this};  // the jack-of-diamonds rule
    platform::RichTextBox RichTextBox9{*this};  // the sound switch
    platform::MediaPlayer player{*this};

    platform::Menu file{*this, "File"};
    platform::Menu newgame1{file, "New Game"};
    platform::Menu dun{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu view{*this, "View"};
    platform::Menu showscore{view, "Score"};
    platform::Menu options{*this, "Settings"};
    platform::Menu jackrule{options, "Jack of Diamonds Rule"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
    platform::Menu help{*this, "Help"};
    platform::Menu rules{help, "Rules"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void layslot(int slot);
    void showtags();
    void stoptimers();
    void enablecards(bool on);
    void closeup(int seat, int slot);
    void leadtwoofclubs(int slot, int seat);
    void computercard(int seat, int slot);
    void placeintrick(int seat, int slot);
    void judgewhenfull();
    void starthand();
    void pass();
    bool computerplays(int seat);
    void playsound(std::string_view wave);

    void Image1_Click(int Index);
    void Image1_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Command1_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void exit_Click();
    void showscore_Click();
    void jackrule_Click();
    void onsound_Click();
    void off_Click();
    void rules_Click();
};
