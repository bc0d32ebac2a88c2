#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <filesystem>
#include <string>
#include <string_view>

// The main window: the menus that lead everywhere, and two labels other windows use.
class Form1 : public platform::Form {
public:
    Form1();

    platform::Label Label3{*this};  // "Loading Game List..." while the chooser loads
    platform::Label Label1{*this};  // the logged-in user's name; never shown

    platform::Menu file{*this, "File"};
    platform::Menu selectgame{file, "Select Game"};
    platform::Menu change{file, "Chage User"};
    platform::Menu changedeck{file, "Change Card Deck"};
    platform::Menu div1{file, "-"};
    platform::Menu exit{file, "Exit"};

    platform::Menu Rulebook{*this, "Rule Book"};
    platform::Menu spades{Rulebook, "Spades"};
    platform::Menu hearts{Rulebook, "Hearts"};
    platform::Menu crazy8s{Rulebook, "Crazy 8s"};
    platform::Menu war{Rulebook, "War"};
    platform::Menu euchre{Rulebook, "Euchre"};
    platform::Menu gin{Rulebook, "Gin"};
    platform::Menu compmemory{Rulebook, "Card Memorization"};
    platform::Menu div5{Rulebook, "-"};
    platform::Menu backgammon{Rulebook, "Backgammon"};
    platform::Menu colormem{Rulebook, "Color Memorization"};
    platform::Menu foreaft{Rulebook, "Fore and Aft"};
    platform::Menu tictactoe{Rulebook, "Tic-Tac-Toe"};
    platform::Menu towers{Rulebook, "Towers of Hanoi"};
    platform::Menu seawar{Rulebook, "Sea War"};
    platform::Menu hangman{Rulebook, "Hangman"};
    platform::Menu div6{Rulebook, "-"};
    platform::Menu cardmemscore{Rulebook, "Card Memorization (Score)"};
    platform::Menu interlockpuzzle{Rulebook, "Interlock Puzzle"};
    platform::Menu nestor{Rulebook, "Nestor"};
    platform::Menu calculation{Rulebook, "Calculation"};
    platform::Menu golf{Rulebook, "Golf"};
    platform::Menu fortythieves{Rulebook, "Forty Thieves"};
    platform::Menu Accordian{Rulebook, "Accordion"};

    platform::Menu helpme{*this, "Help"};
    platform::Menu website{helpme, "Web Site"};
    platform::Menu div3{helpme, "-"};
    platform::Menu con{helpme, "Contact"};

private:
    float scale = 1;

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void selectgame_Click();
    void change_Click();
    void changedeck_Click();
    void exit_Click();
    void website_Click();
    void con_Click();
    void showpage(std::string_view page);
};

namespace shell {
// What the main window says when no browser starts for one of the program's own pages.
std::string nobrowsertext(const std::filesystem::path& page);
}  // namespace shell
