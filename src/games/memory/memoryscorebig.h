#pragma once

#include "games/memory/memory_table.h"

#include "common/gamewindow.h"
#include "common/topthree.h"
#include "platform/controls.h"

#include <cstdint>
#include <string>
#include <vector>

// Card Memorization against the clock on the big board: the seconds from the first card turned
// to the twelfth pair, offered to a top-three table of the fastest games. Not to be confused
// with memoryscoresbig (one letter more), the small window that shows that table.
class memoryscorebig : public common::GameWindow {
public:
    memoryscorebig();

    // A fresh board with the clock waiting at 0; also Yes to the end-of-game question.
    void newgame_Click();
    // The same with a deal chosen by the caller: the pair codes of positions 1..24.
    void dealKnown(const std::vector<std::int16_t>& order);
    // Reads the table's six files into `best`.
    void setscores();
    // The table as the window keeps it.
    common::TopThree scores() const { return best; }

    memoryrules::MemoryTable table{memoryrules::Board::Timed};
    // -1 from the first card of a game on: the clock counts.
    int clockon = 0;
    int elapsed = 0;
    // The three fastest games as last read or entered.
    common::TopThree best;
    // The name shown at load, under which a finished time enters the table.
    std::string username;
    float scale = 1;

    platform::ControlArray<platform::Image> Image1{*this, 1, 24};
    platform::Label Label1{*this};  // the user's name
    platform::Label Label3{*this};  // the clock
    platform::Image Image2{*this};  // the card back
    platform::Timer Timer3{*this, 1000, false};  // a miss turned back
    platform::Timer Timer4{*this, 1000, true};   // the clock

    platform::Menu newgame{file, "New Game", div};
    platform::Menu view{*this, "View", sound};
    platform::Menu highscores{view, "High Scores"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setcards();
    void startover();
    void scalewindow();
    void endgame();
    void offertime();
    void justsomestuff();

    void Image1_Click(int Index);
    void Timer3_Timer();
    void Timer4_Timer();
    void highscores_Click();
};
