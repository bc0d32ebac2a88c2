#pragma once

#include "games/gin/gin_melds.h"
#include "games/gin/gin_table.h"
#include "games/gin/ginscore.h"

#include "common/gamewindow.h"
#include "common/options.h"
#include "common/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>
#include <string>

// The Gin Rummy table: the user against one computer player, ten cards each, a stock and a
// discard pile, played to 75, 100 or 150. The rules live in plain functions over `table`; the
// window shows `table` on the pictures, lets `Timer1` call the computer's turn and asks the questions.
class gin : public common::GameWindow {
public:
    gin();

    // Deals a new hand; the score window asks for it when it closes after a hand.
    void getcards();
    // The same with known cards (deckorder 1..52) in place of the shuffle; a knockmood or first
    // player given (not 0) replaces the draw.
    void dealKnown(const std::array<std::int16_t, 52>& order, int knockmood = 0, int first = 0);
    // New Game: both totals back to 0 and a deal.
    void startgamee_Click();
    // The face of the card in the slot.
    void setcardsup(int slot);
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
    // The play-to file's text as last read or written; the target is read from it.
    std::string playtotext;
    // The two players' names as the labels show them: the user's at load, the opponent picked then.
    std::string playername;
    std::string compname;

    platform::ControlArray<platform::Image> Image1{*this, 1, 52};
    platform::Image Image2{*this};
    platform::Label Label2{*this}, Label1{*this};  // the computer's name, the user's
    platform::ControlArray<platform::Shape> Shape1{*this, 101, 110};
    platform::CommandButton Command5{*this}, Command8{*this};  // Knock, Continue
    platform::Timer Timer1{*this, 1000, false};

    platform::Menu startgamee{file, "New Game", div};
    platform::Menu view{*this, "View", sound};
    platform::Menu score{view, "Score"};
    platform::Menu playto{*this, "Play to", help};
    platform::Menu to75{playto, "75"};
    platform::Menu to100{playto, "100"};
    platform::Menu to150{playto, "150"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void readplayto();
    void chooseplayto(std::string_view value);
    std::array<common::OptionItem, 3> playtoitems();
    void begindeal();
    void laydeal(int first);
    void place(int slot);
    void showtable();
    void showturn();
    void showmarkers();
    void showjudgement();
    void showcomputerhand();
    void userdiscard(int slot);
    void handend(ginrules::HandEnd end);
    void showscore();

    void Image1_Click(int Index);
    void Image2_Click();
    void Command5_Click();
    void Command8_Click();
    void Timer1_Timer();
    void score_Click();
    void to75_Click();
    void to100_Click();
    void to150_Click();
};
