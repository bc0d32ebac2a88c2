#pragma once

#include "games/memory/memory_table.h"

#include "common/topthree.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <cstdint>
#include <vector>

// Card Memorization against the clock on the big board: the seconds from the first card turned
// to the twelfth pair, offered to a top-three table of the fastest games. Not to be confused
// with memoryscoresbig (one letter more), the small window that shows that table.
class memoryscorebig : public platform::Form {
public:
    memoryscorebig();

    // A fresh board with the clock waiting at 0; also Yes to the end-of-game question.
    void newgame_Click();
    // The same with a deal chosen by the caller: the pair codes of positions 1..24.
    void dealKnown(const std::vector<std::int16_t>& order);
    // Reads the table's six files into their holders.
    void setscores();
    // The table as the holders keep it.
    common::TopThree scores();

    memoryrules::MemoryTable table{memoryrules::Board::Timed};
    // -1 from the first card of a game on: the clock counts.
    int clockon = 0;
    int elapsed = 0;
    float scale = 1;

    platform::ControlArray<platform::Image> Image1{*this, 1, 24};
    platform::Label Label1{*this};  // the user's name
    platform::Label Label3{*this};  // the clock
    platform::Image Image2{*this};  // the card back
    platform::Timer Timer3{*this, 1000, false};  // a miss turned back
    platform::Timer Timer4{*this, 1000, true};   // the clock
    // The top three: names of places 1, 2, 3 in 1, 3, 5; their times in 2, 4, 6.
    platform::RichTextBox RichTextBox1{*this}, RichTextBox2{*this}, RichTextBox3{*this};
    platform::RichTextBox RichTextBox4{*this}, RichTextBox5{*this}, RichTextBox6{*this};
    platform::RichTextBox RichTextBox7{*this};  // the sound switch
    platform::MediaPlayer player{*this};
    platform::TextBox txtres{*this};

    platform::Menu file{*this, "File"};
    platform::Menu newgame{file, "New Game"};
    platform::Menu div{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu view{*this, "View"};
    platform::Menu highscores{view, "High Scores"};
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
    void setcards();
    void startover();
    void scalewindow();
    void endgame();
    void offertime();
    void justsomestuff();
    common::TopHolders<platform::RichTextBox> holders();

    void Image1_Click(int Index);
    void Timer3_Timer();
    void Timer4_Timer();
    void highscores_Click();
    void exit_Click();
    void onsound_Click();
    void off_Click();
    void rules_Click();
};
