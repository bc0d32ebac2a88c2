#include "games/memory/memoryscorebig.h"

#include "games/memory/memory_cards.h"
#include "games/memory/memory_turns.h"
#include "games/memory/memoryscoresbig.h"

#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/namelabel.h"
#include "common/question.h"
#include "common/scaling.h"
#include "core/chance.h"
#include "platform/boxes.h"

#include <string>

using namespace platform;
using namespace memoryrules;

namespace {

constexpr std::string_view kPrefix = "memory";
constexpr std::string_view kFlick = "flick.wav";
// The client area holds the board and, below it, the name and the clock side by side.
constexpr double kClientWidth = 9960;
constexpr double kClientHeight = 8295;

}  // namespace

memoryscorebig::memoryscorebig() : GameWindow("memoryscore", "memoryscore") {
    design();
    memoryscoresbig::connectgame<memoryscorebig>();
    on(Image1.Click, &memoryscorebig::Image1_Click);
    on(Timer3.Tick, &memoryscorebig::Timer3_Timer);
    on(Timer4.Tick, &memoryscorebig::Timer4_Timer);
    on(newgame.Click, &memoryscorebig::newgame_Click);
    on(highscores.Click, &memoryscorebig::highscores_Click);
}

void memoryscorebig::design() {
    Caption = "Memorization Game - Timed";
    setClientSize(kClientWidth, kClientHeight);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    memorycards::design(Image1, Board::Timed);
    common::namelabel(Label1, 3000, 7800, 1695);
    common::namelabel(Label3, 4680, 7800, 1695);
    Label3.Caption = "0";
    Image2.Visible = false;
}

void memoryscorebig::Form_Load() {
    core::Randomize();
    Label3.Caption = "0";
    username = common::playername();
    Label1.Caption = username;
    common::lockmain();
    setcards();
    scalewindow();
}

void memoryscorebig::scalewindow() {
    const core::ScaleChoice choice = common::setscale(*this, {0.76f, 0.9f, {0, 1300}});
    scale = choice.scale;
    if (core::smallscreen(choice))
        for (Label* label : {&Label1, &Label3}) label->Font.Size = 7;
    common::scaleit(*this, scale);
    if (choice.kind == core::ScreenKind::At640x480) Height = Height + 1300;
    memorycards::scalecards(Image1, scale);
    common::scaleit(Label1, scale);
    common::scaleit(Label3, scale);
}

void memoryscorebig::Form_Activate() { common::lockmain(); }

void memoryscorebig::Form_Unload(int&) {
    common::releasemain();
    platform::unload<memoryscoresbig>();
}

// Every deal starts from the table as stored.
void memoryscorebig::setcards() {
    setscores();
    memorycards::deal(Image1, Image2, table);
}

void memoryscorebig::newgame_Click() {
    startover();
    setcards();
}

void memoryscorebig::dealKnown(const std::vector<std::int16_t>& order) {
    startover();
    setscores();
    memorycards::dealKnown(Image1, Image2, table, order);
}

void memoryscorebig::startover() {
    memoryrules::newGame(table);
    clockon = 0;
    elapsed = 0;
    Label3.Caption = "0";
    Timer3.Enabled = false;
    Timer4.Enabled = true;
    memorycards::startover(Image1);
}

void memoryscorebig::setscores() { best = common::loadtopthree(kPrefix); }

void memoryscorebig::Image1_Click(int Index) {
    clockon = -1;
    Image1[Index].Enabled = false;
    playsound(kFlick);
    const Outcome outcome = turnUser(table, Index, false);
    memorycards::showface(Image1, table, Index);
    if (outcome == Outcome::FirstCard) return;
    memorycards::enablecards(Image1, false);
    if (outcome == Outcome::Miss) {
        Timer3.Enabled = true;
        return;
    }
    MsgBox("You've found a match", vbOKOnly + vbInformation, "Match");
    claimPair(table, Side::User);
    memorycards::remove(Image1, table.firstcard);
    memorycards::remove(Image1, Index);
    memorycards::enablecards(Image1, true);
    if (gameOver(table)) endgame();
}

void memoryscorebig::endgame() {
    Timer4.Enabled = false;
    offertime();
    if (common::playagain(verdict(table.playermatches, table.compmatches))) newgame_Click();
}

void memoryscorebig::offertime() {
    if (!common::entertopthree(best, username, elapsed, common::TopOrder::LowerBetter)) return;
    justsomestuff();
}

// A table that could not be saved shows what the files hold.
void memoryscorebig::justsomestuff() {
    if (!common::savetopthree(scores(), kPrefix)) setscores();
}

void memoryscorebig::Timer3_Timer() {
    memorycards::enablecards(Image1, true);
    memorycards::facedown(Image1, Image2, table.firstcard);
    memorycards::facedown(Image1, Image2, table.secondcard);
    Timer3.Enabled = false;
}

void memoryscorebig::Timer4_Timer() {
    if (clockon != -1) return;
    ++elapsed;
    Label3.Caption = std::to_string(elapsed);
}

void memoryscorebig::highscores_Click() { window<memoryscoresbig>().Show(); }
