#pragma once

#include "games/tictactoe-hangman/hangman_table.h"

#include "common/topthree.h"
#include "common/gamewindow.h"
#include "core/scaling.h"
#include "platform/controls.h"

#include <string>
#include <string_view>

// Hangman: a hidden phrase from the word list, guessed letter by letter with 26 letter buttons
// before the sixth wrong guess completes the gallows. The score runs on from one solved puzzle
// to the next and is offered to the top-three table when the user stops or loses.
class hangman : public common::GameWindow {
public:
    hangman();

    // The next puzzle; the score stays.
    void newgame();
    // Reloads the top-three table from its files.
    void setscores();
    // Offers the score to the top-three table, which is saved at once when it enters.
    void isithigh();
    hangmanrules::HangmanTable table;
    // The top-three table as its files held it when last read or saved, best first.
    common::TopThree highscores;
    std::string playername;
    float scale = 1;
    core::ScreenKind screenkind = core::ScreenKind::Other;

    platform::Image Image2{*this};  // the backdrop of the play area
    platform::Line Line1{*this}, Line2{*this}, Line3{*this}, Line4{*this};  // its border
    platform::Label Label3{*this};  // the user's name
    platform::Label Label2{*this};  // the score
    platform::ControlArray<platform::Image> space{*this, 1, hangmanrules::kTiles};  // the answer's tiles
    platform::Label Label1{*this};  // the category
    platform::Image Image1{*this};  // the gallows
    platform::ControlArray<platform::Image> Command1{*this, 1, hangmanrules::kLetters};  // "A" to "Z"

    platform::Menu startnewgame{file, "New Game", div};
    platform::Menu view{*this, "View", sound};
    platform::Menu highs{view, "High Scores"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void newpuzzle(const std::string& wordlist);
    void nopuzzle();
    void setletters();
    void showletters();
    bool hanger();
    void endpuzzle();
    void justsomestuff();
    void showscore();
    void linesinfront();
    void enableletters(bool on);

    void Command1_Click(int Index);
    void startnewgame_Click();
    void highs_Click();
};
