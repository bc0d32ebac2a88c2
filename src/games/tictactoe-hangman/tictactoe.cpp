#include "games/tictactoe-hangman/tictactoe.h"

#include "games/tictactoe-hangman/tictacsettings.h"

#include "art/tictactoe.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/names.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/chance.h"
#include "core/rndnum.h"
#include "platform/boxes.h"

#include <string>

using namespace platform;
using namespace tictactoerules;

namespace {

constexpr std::string_view kPlayAsFile = "\\tictacwhat.dat";
constexpr std::string_view kPlayToFile = "\\tictacto.dat";
constexpr std::string_view kFlick = "flick.wav";
constexpr double kUserArrowTop = 1440;
constexpr double kComputerArrowTop = 3600;

// The board in design twips: columns and rows 1440 and 1320 apart, the grid on the cells' edges.
constexpr double kBoardLeft = 480;
constexpr double kBoardTop = 600;
constexpr double kColumnStep = 1440;
constexpr double kRowStep = 1320;

std::string_view cellfile(int mark) {
    if (mark == kX) return "\\Images\\greenx.bmp";
    if (mark == kO) return "\\Images\\greeno.bmp";
    return "\\Images\\greenblank.bmp";
}

std::string marksuffix(int mark) { return mark == kX ? ": X's" : ": O's"; }

void notice(std::string_view text) { MsgBox(text, vbOKOnly + vbInformation, text); }

void designLabel(Label& label, double top, bool bold) {
    label.Move(5760, top, 3375, 375);
    label.BackStyle = vbTransparent;
    label.ForeColor = vbWhite;
    label.Font.Name = "Verdana";
    label.Font.Size = 8.25;
    label.Font.Bold = bold;
}

}  // namespace

tictactoe::tictactoe() : GameWindow("tictactoe", "tictactoe"), draw([](int n) { return core::rndnum(n); }) {
    design();
    tictacsettings::connect({
        [] { return static_cast<Form*>(loaded<tictactoe>()); },
        [] {
            tictactoe* game = loaded<tictactoe>();
            return game ? &game->table : nullptr;
        },
    });
    on(Picture1.Click, &tictactoe::Picture1_Click);
    on(Timer1.Tick, &tictactoe::Timer1_Timer);
    on(newgame2.Click, &tictactoe::newgame2_Click);
    on(pref.Click, &tictactoe::pref_Click);
}

void tictactoe::design() {
    Caption = "Tic-Tac-Toe";
    setClientSize(9000, 5550);
    BackColor = RGB(64, 64, 64);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    for (auto& [cell, picture] : Picture1) {
        const int column = (cell - 1) % 3;
        const int row = (cell - 1) / 3;
        picture->Move(kBoardLeft + kColumnStep * column, kBoardTop + kRowStep * row, 1455, 1335);
        picture->Stretch = true;
    }
    for (auto& [k, line] : Line1) {
        const int n = (k - 1) % 4;
        if (k <= 4) {
            line->X1 = kBoardLeft, line->X2 = kBoardLeft + 3 * kColumnStep;
            line->Y1 = line->Y2 = kBoardTop + kRowStep * n;
        } else {
            line->X1 = line->X2 = kBoardLeft + kColumnStep * n;
            line->Y1 = kBoardTop, line->Y2 = kBoardTop + 3 * kRowStep;
        }
        line->BorderColor = vbWhite;
        line->BorderWidth = 3;
    }
    designLabel(Label1, 1560, true);
    designLabel(Label3, 1920, false);
    designLabel(Label2, 3720, true);
    designLabel(Label4, 4080, false);
    Image1.Move(5280, kUserArrowTop, 450, 420);
    Image1.Stretch = true;
}

void tictactoe::Form_Load() {
    core::Randomize();
    Image1.Picture = platform::Picture(art::turnArrow());
    setscale();
    scalewindow();
    table.playerwins = 0;
    table.compwins = 0;
    playername = common::playername();
    common::lockmain();
    newgame2_Click();
}

void tictactoe::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.78f, 1.0f});
    scale = choice.scale;
    if (!core::smallscreen(choice)) return;
    for (Label* label : {&Label1, &Label2, &Label3, &Label4}) label->Font.Size = 7;
}

void tictactoe::scalewindow() {
    common::scaleit(*this, scale);
    for (auto& [cell, picture] : Picture1) common::scaleit(*picture, scale);
    for (auto& [k, line] : Line1) common::scaleline(*line, scale);
    common::scaleit(Image1, scale);
    for (Label* label : {&Label1, &Label2, &Label3, &Label4}) common::scaleit(*label, scale);
}

// The settings dialog writes its files as it closes, just before this window becomes active again.
void tictactoe::Form_Activate() {
    readsettings();
    common::lockmain();
    readsoundswitch();
}

void tictactoe::Form_Unload(int&) { common::releasemain(); }

void tictactoe::readsettings() {
    common::readsetting(table.playas, kPlayAsFile);
    common::readsetting(table.playto, kPlayToFile);
}

void tictactoe::showcell(int cell) {
    Picture1[cell].Picture = LoadPicture(cellfile(table.tag[cell]));
}

void tictactoe::clearboard() {
    table.tag.fill(kEmpty);
    for (int cell = 1; cell <= kCells; ++cell) showcell(cell);
}

void tictactoe::pointarrow(bool atUser) {
    Image1.Top = core::scaled(atUser ? kUserArrowTop : kComputerArrowTop, scale);
}

void tictactoe::newgame2_Click() {
    table.playerwins = 0;
    table.compwins = 0;
    oppname = std::string(common::pickname());
    clearboard();
    newgame();
}

void tictactoe::newgame() {
    Timer1.Enabled = false;
    newgamestate(table);
    for (auto& [cell, picture] : Picture1) picture->Enabled = true;
    clearboard();
    Label3.Caption = "Wins: " + std::to_string(table.playerwins);
    Label4.Caption = "Wins: " + std::to_string(table.compwins);
    readsettings();
    dealmarks(table, table.playas, draw);
    Label1.Caption = playername + marksuffix(table.playermark);
    Label2.Caption = oppname + marksuffix(table.compmark);
    pointarrow(table.playermark == kX);
    if (table.playermark == kO)
        for (auto& [cell, picture] : Picture1) picture->Enabled = false;
    Timer1.Enabled = table.compmark == kX;
}

void tictactoe::Picture1_Click(int Index) {
    Picture1[Index].Enabled = false;
    playsound(kFlick);
    const Ending ending = usermove(table, Index);
    showcell(Index);
    for (auto& [cell, picture] : Picture1) picture->Enabled = false;
    pointarrow(false);
    if (ending == Ending::Win) {
        notice("You Win");
        checks(false);
    } else if (ending == Ending::Cat) {
        notice("Cat");
        checks(false);
    }
    // After a finished game the counts are the next game's, so the computer opens it: the side
    // that did not make the last move. A click in the wait before that keeps the wait's rhythm.
    Timer1.Enabled = marksplaced(table) < kCells;
}

void tictactoe::Timer1_Timer() {
    compturn();
    playsound(kFlick);
    Timer1.Enabled = false;
}

void tictactoe::compturn() {
    tictactoerules::compturn(table, draw);
    compmove();
    // After a game that the computer's mark ended this is the next game's board: the user opens
    // it, whichever mark was dealt.
    if (marksplaced(table) < kCells) {
        for (auto& [cell, picture] : Picture1) picture->Enabled = table.tag[cell] == kEmpty;
        pointarrow(true);
    }
    Timer1.Enabled = false;
}

void tictactoe::compmove() {
    const Ending ending = tictactoerules::compmove(table, draw);
    showcell(table.compcell);
    if (ending == Ending::Win) {
        notice("Computer Wins");
        checks(true);
    } else if (ending == Ending::Cat) {
        notice("Cat");
        checks(true);
    }
    Timer1.Enabled = false;
}

void tictactoe::checks(bool computerMovedLast) {
    const MatchQuestion question = countgame(table, computerMovedLast, playto(table.playto));
    if (question == MatchQuestion::UserWon) {
        if (common::playagain("You win the match! Play again?")) newgame2_Click();
    } else if (question == MatchQuestion::ComputerWon) {
        if (common::playagain("You Lost the match! Play again?")) newgame2_Click();
    }
    table.catgame = false;
    for (auto& [cell, picture] : Picture1) picture->Enabled = false;
    clearboard();
    Timer1.Enabled = false;
    newgame();
}

void tictactoe::pref_Click() { platform::window<tictacsettings>().Show(); }
