#include "games/tictactoe-hangman/hangmanhighs.h"

#include "common/locks.h"

using namespace platform;

namespace {

HangmanHighsTable& owner() {
    static HangmanHighsTable connected;
    return connected;
}

Form* game() { return owner().loaded ? owner().loaded() : nullptr; }

void designLabel(Label& label, const char* caption, double left, double top, double width, double height,
                 bool bold = false) {
    label.Caption = caption;
    label.Move(left, top, width, height);
    label.Font.Name = "Verdana";
    label.Font.Size = 8.25;
    label.Font.Bold = bold;
}

}  // namespace

hangmanhighs::hangmanhighs() {
    Caption = "High Scores";
    setClientSize(4575, 2565);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    designLabel(Label1, "Name:", 240, 240, 1815, 375, true);
    designLabel(Label2, "Score:", 2520, 240, 2415, 375, true);
    const double rows[] = {840, 1440, 2040};
    Label* ranks[] = {&Label3, &Label4, &Label5};
    Label* names[] = {&firstname, &secondname, &thirdname};
    Label* scores[] = {&firstscore, &secondscore, &thirdscore};
    const char* rankCaptions[] = {"1.)", "2.)", "3.)"};
    for (int k = 0; k < 3; ++k) {
        designLabel(*ranks[k], rankCaptions[k], 120, rows[k], 1815, 255);
        designLabel(*names[k], "Name:", 480, rows[k], 1815, 255);
        designLabel(*scores[k], "Score:", 2520, rows[k], 2415, 255);
    }
    Line1.X1 = 480, Line1.Y1 = 1200, Line1.X2 = 4080, Line1.Y2 = 1200;
    Line2.X1 = 480, Line2.Y1 = 1800, Line2.X2 = 4080, Line2.Y2 = 1800;
}

void hangmanhighs::connect(HangmanHighsTable table) { owner() = std::move(table); }

void hangmanhighs::Form_Load() { common::lockowner(game()); }

void hangmanhighs::Form_Activate() {
    if (!owner().entries) return;
    const common::TopThree table = owner().entries();
    firstname.Caption = table[0].name;
    secondname.Caption = table[1].name;
    thirdname.Caption = table[2].name;
    firstscore.Caption = table[0].value;
    secondscore.Caption = table[1].value;
    thirdscore.Caption = table[2].value;
}

void hangmanhighs::Form_Unload(int&) { common::releaseowner(game()); }
