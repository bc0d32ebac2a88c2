#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <functional>

// The Tic-Tac-Toe window's hidden holders that the settings dialog works on.
struct TicTacHolders {
    platform::RichTextBox* playas = nullptr;   // "X", "O" or "R"
    platform::RichTextBox* playto = nullptr;   // "1" to "15"
    platform::TextBox* playerwins = nullptr;   // the match totals as text
    platform::TextBox* compwins = nullptr;
};

// What the settings dialog needs of the game window, which connects itself when it is made: the
// window while it is loaded (null otherwise) and its holders (all null then).
struct TicTacSettingsTable {
    std::function<platform::Form*()> loaded;
    std::function<TicTacHolders()> holders;
};

// Tic-Tac-Toe's settings: the match target ("Play To:", locked once a side of the current match
// has won a game) and the user's mark ("Play As:"). Each choice goes into the game window's
// holders at once; closing the dialog writes both setting files.
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
