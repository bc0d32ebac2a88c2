#include "games/tictactoe-hangman/tictacsettings.h"

#include "games/tictactoe-hangman/tictactoe_rules.h"

#include "common/locks.h"
#include "common/settings.h"
#include "platform/files.h"

#include <string>

using namespace platform;

namespace {

constexpr std::string_view kPlayAsFile = "\\tictacwhat.dat";
constexpr std::string_view kPlayToFile = "\\tictacto.dat";

TicTacSettingsTable& owner() {
    static TicTacSettingsTable connected;
    return connected;
}

Form* game() { return owner().loaded ? owner().loaded() : nullptr; }

tictactoerules::TicTacToeTable* table() { return owner().table ? owner().table() : nullptr; }

void verdana(StyledControl& control) {
    control.Font.Name = "Verdana";
    control.Font.Size = 8.25;
}

}  // namespace

tictacsettings::tictacsettings() {
    Caption = "Settings";
    setClientSize(2640, 2535);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    Label1.Move(120, 240, 1815, 375);
    Label1.Caption = "Play To:";
    Combo1.Move(1080, 240, 1335, 315);
    for (int n = 1; n <= tictactoerules::kMostWins; ++n) Combo1.AddItem(std::to_string(n));
    Label2.Move(120, 960, 1815, 255);
    Label2.Caption = "Play As:";
    Option1.Move(120, 1440, 1815, 255);
    Option1.Caption = "X's";
    Option2.Move(1320, 1440, 1815, 255);
    Option2.Caption = "O's";
    Option3.Move(120, 1920, 1815, 255);
    Option3.Caption = "Random";
    for (StyledControl* c : std::initializer_list<StyledControl*>{&Label1, &Combo1, &Label2, &Option1, &Option2, &Option3})
        verdana(*c);
    on(Combo1.Click, &tictacsettings::Combo1_Click);
    on(Option1.Click, &tictacsettings::Option1_Click);
    on(Option2.Click, &tictacsettings::Option2_Click);
    on(Option3.Click, &tictacsettings::Option3_Click);
}

void tictacsettings::connect(TicTacSettingsTable table) { owner() = std::move(table); }

void tictacsettings::Form_Load() {
    common::lockowner(game());
    const tictactoerules::TicTacToeTable* t = table();
    if (!t) return;
    // A target that is not a whole number from 1 to 15 plays to 3, and the list says so.
    Combo1.Text = std::to_string(tictactoerules::playto(t->playto));
    Combo1.Enabled = t->playerwins == 0 && t->compwins == 0;
    const std::string& playas = t->playas;
    if (playas == "R")
        Option3.Value = true;
    else if (playas == "X")
        Option1.Value = true;
    else if (playas == "O")
        Option2.Value = true;
}

// What the dialog shows is written, not the table's settings: a game ending while it was open has
// read the old files back into them.
void tictacsettings::Form_Unload(int&) {
    common::releaseowner(game());
    tictactoerules::TicTacToeTable* t = table();
    const std::string playto = Combo1.Text.get();
    if (t)
        common::writesetting(t->playto, playto, kPlayToFile, false);
    else if (!playto.empty())
        writeSetting(kPlayToFile, playto);
    const char* letter = Option1.Value ? "X" : Option2.Value ? "O" : Option3.Value ? "R" : nullptr;
    if (t)
        common::writesetting(t->playas, letter ? std::string(letter) : std::string(t->playas), kPlayAsFile, false);
    else if (letter)
        writeSetting(kPlayAsFile, letter);
}

void tictacsettings::Combo1_Click() {
    if (tictactoerules::TicTacToeTable* t = table()) t->playto = Combo1.Text.get();
}

void tictacsettings::setplayas(const char* letter) {
    if (tictactoerules::TicTacToeTable* t = table()) t->playas = letter;
}

void tictacsettings::Option1_Click() { setplayas("X"); }

void tictacsettings::Option2_Click() { setplayas("O"); }

void tictacsettings::Option3_Click() { setplayas("R"); }
