#pragma once

#include "games/tictactoe-hangman/tictactoe_table.h"

#include "platform/controls.h"
#include "platform/form.h"

#include <functional>

// What the settings dialog needs of the game window, which connects itself when it is made: the
// window while it is loaded and its table, whose settings and totals the dialog works on (both
// null otherwise).
struct TicTacSettingsTable {
    std::function<platform::Form*()> loaded;
    std::function<tictactoerules::TicTacToeTable*()> table;
};

// Tic-Tac-Toe's settings: the match target ("Play To:", locked once a side of the current match
// has won a game) and the user's mark ("Play As:"). Each choice goes into the game's table at
// once; closing the dialog writes both setting files.
class tictacsettings : public platform::Form {
public:
    tictacsettings();

    static void connect(TicTacSettingsTable table);

    platform::Label Label1{*this};  // "Play To:"
    platform::ComboBox Combo1{*this};
    platform::Label Label2{*this};  // "Play As:"
    platform::OptionButton Option1{*this};  // X's
    platform::OptionButton Option2{*this};  // O's
    platform::OptionButton Option3{*this};  // Random

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Combo1_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void setplayas(const char* letter);
};
