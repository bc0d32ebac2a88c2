#pragma once

#include "games/gin/gin_melds.h"
#include "games/gin/gin_table.h"
#include "games/gin/ginscore.h"

#include "common/options.h"
#include "common/scaling.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <cstdint>

// The Gin Rummy table: the user against one computer player, ten cards each, a stock and a
// discard pile, played to 75, 100 or 150. The rules live in plain functions over `table`; the
// window moves the pictures, runs the computer's turn on `Timer1` and asks the questions.
class gin : public platform::Form {
public:
    gin();

    // Deals a new hand; the score window asks for it when it closes after a hand.
    void getcards();
    // The same with known cards (deckorder 1..52) in place of the shuffle; a knockmood or first
    // player given (not 0) replaces the draw.
    void dealKnown(const std::array<std::int16_t, 52>& order, int knockmood = 0, int first = 0);
    // New Game: both totals back to 0 and a deal.
    void startgamee_Click();
    // The face of the card in slot `cardindex`.
    void setcardsup();
    // Judges both hands; ends the hand on gin or the computer's knock.
    void matching();
    // The computer's keep marks, then matching.
    void resetstuff();
    // What the score window shows of this table.
    GinScoreValues scorevalues() const;
    // The play-to target: a missing or non-numeric text, or a number of 0 or below, counts as 100.
    int target() const;

    ginrules::GinTable table;
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow
    int cardindex = 0;

    platform::ControlArray<platform::Image> Image1{*this, 1, 52};
    platform::Image Image2{*this};
    platform::Label Label2{*this}, Label1{*this};  // the computer's name, the user's
    platform::ControlArray<platform::Shape> Shape1{*this, 101, 110};
    platform::CommandButton Command5{*this}, Command8{*this};  // Knock, Continue
    platform::Timer Timer1{*this, 1000, false};
    platform::TextBox Text2{*this}, Text3{*this};  // unmatched totals: the user's, the computer's
    platform::TextBox Text4{*this}, Text5{*this};  // game totals: the user's, the computer's
    platform::TextBox txtres{*this};
    platform::RichTextBox RichTextBox1{*this};  // the play-to target
    platform::RichTextBox RichTextBox9{*this};  // the sound switch
    platform::MediaPlayer player{*this};

    platform::Menu file{*this, "File"};
    platform::Menu startgamee{file, "New Game"};
    platform::Menu div2{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu view{*this, "View"};
    platform::Menu score{view, "Score"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
    platform::Menu playto{*this, "Play to"};
    platform::Menu to75{playto, "75"};
    platform::Menu to100{playto, "100"};
    platform::Menu to150{playto, "150"};
    platform::Menu help{*this, "Help"};
    platform::Menu rules{help, "Rules"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void readplayto();
    std::array<common::OptionItem, 3> playtoitems();
    void begindeal();
    void laydeal(int first);
    void place(int slot);
    void showtable();
    void showturn();
    void showmarkers();
    void showcomputerhand();
    void discard();
    void userdiscard(int slot);
    void handend(ginrules::HandEnd end);
    void showscore();
    void playsound();

    void Image1_Click(int Index);
    void Image2_Click();
    void Command5_Click();
    void Command8_Click();
    void Timer1_Timer();
    void exit_Click();
    void score_Click();
    void onsound_Click();
    void off_Click();
    void to75_Click();
    void to100_Click();
    void to150_Click();
    void rules_Click();
};
