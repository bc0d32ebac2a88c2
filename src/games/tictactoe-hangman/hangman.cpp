#include "games/tictactoe-hangman/hangman.h"

#include "games/tictactoe-hangman/hangman_rules.h"
#include "games/tictactoe-hangman/hangmanhighs.h"

#include "art/hangman.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/chance.h"
#include "core/rndnum.h"
#include "platform/boxes.h"
#include "platform/services.h"

#include <algorithm>
#include <array>
#include <string>

using namespace platform;
using namespace hangmanrules;

namespace {

constexpr std::string_view kGame = "hangman";  // the top-three table's name
constexpr std::string_view kWordList = "\\easywords.dat";
constexpr std::string_view kHitSound = "flick.wav";
constexpr std::string_view kMissSound = "squirt.wav";
constexpr Color kBorder = RGB(128, 128, 128);

// Letter button b stands for the b-th letter of the alphabet.
char letterof(int button) { return static_cast<char>('a' + button - 1); }

std::string lettername(char letter) { return std::string(1, letter); }

std::string imagefile(std::string_view name) { return "\\Images\\" + std::string(name) + ".bmp"; }

void verdana(Label& label, double size, bool bold = false) {
    label.Font.Name = "Verdana";
    label.Font.Size = size;
    label.Font.Bold = bold;
    label.ForeColor = vbWhite;
    label.BackStyle = vbTransparent;
}

void designLine(Line& line, double x1, double y1, double x2, double y2) {
    line.X1 = x1, line.Y1 = y1, line.X2 = x2, line.Y2 = y2;
    line.BorderColor = kBorder;
}

}  // namespace

hangman::hangman() : GameWindow("hangman", "hangman") {
    design();
    hangmanhighs::connect({
        [] { return static_cast<Form*>(loaded<hangman>()); },
        [] {
            const hangman* game = loaded<hangman>();
            return game ? game->highscores : common::TopThree{};
        },
    });
    on(Command1.Click, &hangman::Command1_Click);
    on(startnewgame.Click, &hangman::startnewgame_Click);
    on(highs.Click, &hangman::highs_Click);
}

void hangman::design() {
    Caption = "Hangman";
    setClientSize(12000, 6465);
    BackColor = RGB(192, 192, 255);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    Image2.Move(240, 240, 11415, 4215);
    Image2.Stretch = true;
    designLine(Line3, 240, 240, 11640, 240);
    designLine(Line2, 11640, 240, 11640, 4440);
    designLine(Line4, 240, 4440, 11640, 4440);
    designLine(Line1, 240, 240, 240, 4440);
    Label3.Move(480, 480, 4935, 375);
    Label3.Caption = "Your Name";
    verdana(Label3, 9.75);
    Label2.Move(480, 960, 4935, 375);
    Label2.Caption = "Score: 0";
    verdana(Label2, 9.75);
    for (auto& [i, tile] : space) {
        tile->Move(600 + 480.0 * (i - 1), 2160, 495, 495);
        tile->Stretch = true;
    }
    Label1.Move(600, 3360, 4935, 615);
    verdana(Label1, 18, true);
    Image1.Move(7920, 360, 3495, 3840);
    Image1.Stretch = true;
    // Stretching from the design on: a button whose picture could not be loaded keeps its size.
    for (auto& [i, button] : Command1) {
        const bool firstrow = i <= 19;
        button->Move(firstrow ? 240 + 600.0 * (i - 1) : 3840 + 600.0 * (i - 20), firstrow ? 4800 : 5520, 645, 585);
        button->Stretch = true;
    }
}

void hangman::Form_Load() {
    core::Randomize();
    Image2.Picture = platform::Picture(art::hangmanBackdrop());
    table.score = 0;
    newgame();
    playername = common::playername();
    Label3.Caption = playername;
    setscale();
    scalewindow();
    common::lockmain();
}

void hangman::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.78f, 0.95f});
    scale = choice.scale;
    screenkind = choice.kind;
    if (!core::smallscreen(choice)) return;
    Label1.Font.Size = 16;
    Label2.Font.Size = 8;
    Label3.Font.Size = 8;
}

void hangman::scalewindow() {
    common::scaleit(*this, scale);
    // The extra room at 640 x 480 stops at the screen's edge, where the window's close box would
    // otherwise be lost.
    if (screenkind == core::ScreenKind::At640x480) {
        Height = std::min(Height + 200, std::max(Height.get(), screenHeightTwips()));
        Width = std::min(Width + 1800, std::max(Width.get(), screenWidthTwips()));
    }
    for (auto& [i, button] : Command1) common::scaleit(*button, scale);
    for (auto& [i, tile] : space) common::scaleit(*tile, scale);
    for (Control* c : std::initializer_list<Control*>{&Label1, &Label2, &Label3, &Image1, &Image2})
        common::scaleit(*c, scale);
    for (Line* line : {&Line1, &Line2, &Line3, &Line4}) common::scaleline(*line, scale);
}

void hangman::Form_Activate() { common::lockmain(); }

void hangman::Form_Unload(int&) {
    common::releasemain();
    platform::unload<hangmanhighs>();
}

void hangman::linesinfront() {
    for (Line* line : {&Line1, &Line2, &Line3, &Line4}) line->ZOrder(0);
}

// Letters that do nothing look it: switched off, each letter not guessed in this puzzle greys (a
// guessed one keeps its sunk blank); the next puzzle gives them their own pictures again.
void hangman::enableletters(bool on) {
    for (auto& [i, button] : Command1) {
        if (!on && !table.used[static_cast<std::size_t>(i)])
            button->Picture = platform::greyed(LoadPicture(imagefile(lettername(letterof(i)))));
        button->Enabled = on;
    }
}

void hangman::showscore() { Label2.Caption = "Score: " + std::to_string(table.score); }

void hangman::newgame() {
    table.lettersfound = 0;
    table.wrongcount = 1;
    table.letterstofind = 0;
    linesinfront();
    enableletters(true);
    for (auto& [i, tile] : space) {
        tile->Picture = LoadPicture(imagefile("letter"));
        tile->Visible = true;
    }
    std::string wordlist;
    common::readsetting(wordlist, kWordList);
    setscores();
    Image1.Picture = LoadPicture(imagefile("stage1"));
    newpuzzle(wordlist);
}

void hangman::newpuzzle(const std::string& wordlist) {
    setletters();
    linesinfront();
    const auto choice = choosepuzzle(wordlist, core::rndnum(kEntries, kFirstEntry));
    if (!choice) {
        nopuzzle();
        return;
    }
    newpuzzlestate(table, *choice);
    const int length = static_cast<int>(table.txtword.size());
    for (int i = length + 1; i <= kTiles; ++i) space[i].Visible = false;
    for (int i = 1; i <= length; ++i)
        if (table.txtword[static_cast<std::size_t>(i - 1)] == ' ') space[i].Picture = LoadPicture(imagefile("blank"));
    Label1.Caption = categorycaption(table.txtcat);
}

// Without a puzzle to play nothing can be guessed until New Game reads the list again.
void hangman::nopuzzle() {
    table.txtword.clear();
    table.txtcat.clear();
    table.used.fill(false);
    for (auto& [i, tile] : space) tile->Visible = false;
    Label1.Caption = "";
    enableletters(false);
    MsgBox("The word list easywords.dat is missing or damaged.", vbOKOnly + vbInformation, "Hangman");
}

void hangman::setletters() {
    for (auto& [i, button] : Command1) button->Picture = LoadPicture(imagefile(lettername(letterof(i))));
}

void hangman::showletters() {
    for (std::size_t k = 0; k < table.txtword.size(); ++k) {
        const char c = table.txtword[k];
        space[static_cast<int>(k) + 1].Picture = LoadPicture(imagefile(c == ' ' ? "blank" : "little" + lettername(c)));
    }
}

void hangman::Command1_Click(int Index) {
    Command1[Index].Enabled = false;
    Command1[Index].Picture = LoadPicture(imagefile("blankletteer"));
    const char letter = letterof(Index);
    const std::vector<int> revealed = guess(table, letter);
    for (int i : revealed) space[i].Picture = LoadPicture(imagefile("little" + lettername(letter)));
    if (!revealed.empty()) {
        showscore();
        playsound(kHitSound);
    } else {
        playsound(kMissSound);
        if (hanger()) return;
    }
    if (!solved(table)) return;
    if (common::playagain("You Win, Keep Playing?")) {
        newgame();
        return;
    }
    isithigh();
    endpuzzle();
}

// One wrong guess; true when it lost the puzzle, which the loss question has then settled.
bool hangman::hanger() {
    if (!wrongguess(table)) {
        if (table.wrongcount < kLostAt) Image1.Picture = LoadPicture(imagefile("stage" + std::to_string(table.wrongcount)));
        return false;
    }
    Image1.Picture = LoadPicture(imagefile("stage" + std::to_string(kLostAt)));
    showletters();
    const bool again = common::playagain("You Lost, Play Again?", common::kPlayAgain);
    isithigh();
    if (again)
        newgame();
    else
        endpuzzle();
    table.score = 0;
    showscore();
    return true;
}

// A puzzle the user has stopped at stays on the table, but no letter can be guessed any more: the
// score has been offered and must not be rebuilt or offered again.
void hangman::endpuzzle() { enableletters(false); }

void hangman::startnewgame_Click() {
    table.score = 0;
    showscore();
    newgame();
    linesinfront();
}

void hangman::setscores() { highscores = common::loadtopthree(kGame); }

void hangman::isithigh() {
    if (common::entertopthree(highscores, playername, table.score, common::TopOrder::HigherBetter) == 0) return;
    justsomestuff();
}

// A table that could not be saved shows what the files hold.
void hangman::justsomestuff() {
    if (!common::savetopthree(highscores, kGame)) setscores();
}

void hangman::highs_Click() { platform::window<hangmanhighs>().Show(); }
