#pragma once

#include "games/tictactoe-hangman/hangman_table.h"

#include "common/topthree.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <string_view>

// Hangman: a hidden phrase from the word list, guessed letter by letter with 26 letter buttons
// before the sixth wrong guess completes the gallows. The score runs on from one solved puzzle
// to the next and is offered to the top-three table when the user stops or loses.
class hangman : public platform::Form {
public:
    hangman();

    // The next puzzle; the score stays.
    void newgame();
    // Reloads the top-three table from its files into the holders.
    void setscores();
    // Offers the score to the top-three table, which is saved at once when it enters.
    void isithigh();
    // The table the holders keep, best first.
    common::TopThree topthree() const;

    hangmanrules::HangmanTable table;
    float scale = 1;

    platform::Image Image2{*this};  // the backdrop of the play area
    platform::Line Line1{*this}, Line2{*this}, Line3{*this}, Line4{*this};  // its border
    platform::Label Label3{*this};  // the user's name
    platform::Label Label2{*this};  // the score
    platform::ControlArray<platform::Image> space{*this, 1, hangmanrules::kTiles};  // the answer's tiles
    platform::Label Label1{*this};  // the category
    platform::Image Image1{*this};  // the gallows
    platform::ControlArray<platform::Image> Command1{*this, 1, hangmanrules::kLetters};  // "A" to "Z"
    platform::RichTextBox RichTextBox1{*this};  // the word list
    // The top-three table: names and scores of ranks 1, 2 and 3.
    platform::RichTextBox RichTextBox7{*this}, RichTextBox8{*this};
    platform::RichTextBox RichTextBox3{*this}, RichTextBox4{*this};
    platform::RichTextBox RichTextBox5{*this}, RichTextBox6{*this};
    platform::RichTextBox RichTextBox9{*this};  // the sound switch
    platform::TextBox txtres{*this};
    platform::MediaPlayer player{*this};

    platform::Menu file{*this, "File"};
    platform::Menu startnewgame{file, "New Game"};
    platform::Menu div{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu view{*this, "View"};
    platform::Menu highs{view, "High Scores"};
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
    void newpuzzle();
    void nopuzzle();
    void setletters();
    void showletters();
    bool hanger();
    void endpuzzle();
    void holdtable(const common::TopThree& entries);
    void justsomestuff();
    void showscore();
    void linesinfront();
    void enableletters(bool on);

    void Command1_Click(int Index);
    void startnewgame_Click();
    void exit_Click();
    void highs_Click();
    void onsound_Click();
    void off_Click();
    void rules_Click();
};
