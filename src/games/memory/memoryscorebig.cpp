#include "games/memory/memoryscorebig.h"

#include "games/memory/memory_cards.h"
#include "games/memory/memory_turns.h"
#include "games/memory/memoryscoresbig.h"

#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/namelabel.h"
#include "common/question.h"
#include "common/rules.h"
#include "common/scaling.h"
#include "common/sound.h"
#include "core/chance.h"
#include "core/numbers.h"
#include "platform/boxes.h"
#include "platform/files.h"

#include <string>

using namespace platform;
using namespace memoryrules;

namespace {

constexpr std::string_view kSwitch = "memoryscore";
constexpr std::string_view kPrefix = "memory";
constexpr std::string_view kFlick = "flick.wav";
// The client area holds the board and, below it, the name and the clock side by side.
constexpr double kClientWidth = 9960;
constexpr double kClientHeight = 8295;

}  // namespace

memoryscorebig::memoryscorebig() {
    design();
    memoryscoresbig::connectgame<memoryscorebig>();
    on(Image1.Click, &memoryscorebig::Image1_Click);
    on(Timer3.Tick, &memoryscorebig::Timer3_Timer);
    on(Timer4.Tick, &memoryscorebig::Timer4_Timer);
    on(newgame.Click, &memoryscorebig::newgame_Click);
    on(exit.Click, &memoryscorebig::exit_Click);
    on(highscores.Click, &memoryscorebig::highscores_Click);
    on(onsound.Click, &memoryscorebig::onsound_Click);
    on(off.Click, &memoryscorebig::off_Click);
    on(rules.Click, &memoryscorebig::rules_Click);
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
    for (RichTextBox* hidden : {&RichTextBox1, &RichTextBox2, &RichTextBox3, &RichTextBox4, &RichTextBox5,
                                &RichTextBox6, &RichTextBox7})
        hidden->Visible = false;
    txtres.Visible = false;
}

void memoryscorebig::Form_Load() {
    core::Randomize();
    Label3.Caption = "0";
    Label1.Caption = common::playername();
    common::soundswitch(RichTextBox7, onsound, off, kSwitch);
    common::lockmain();
    setcards();
    scalewindow();
}

void memoryscorebig::scalewindow() {
    const core::ScaleChoice choice = common::setscale(txtres, {0.76f, 0.9f, {0, 1300}});
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

common::TopHolders<RichTextBox> memoryscorebig::holders() {
    return {{&RichTextBox1, &RichTextBox3, &RichTextBox5}, {&RichTextBox2, &RichTextBox4, &RichTextBox6}};
}

void memoryscorebig::setscores() { common::fillholders(holders(), common::loadtopthree(kPrefix)); }

common::TopThree memoryscorebig::scores() { return common::readholders(holders()); }

void memoryscorebig::Image1_Click(int Index) {
    clockon = -1;
    Image1[Index].Enabled = false;
    common::playsound(RichTextBox7, player, kFlick);
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
    common::TopThree best = scores();
    if (!common::entertopthree(best, Label1.Caption.get(), core::toInt(Label3.Caption.get()),
                               common::TopOrder::LowerBetter))
        return;
    common::fillholders(holders(), best);
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

void memoryscorebig::exit_Click() { Unload(); }

void memoryscorebig::onsound_Click() { common::setsound(RichTextBox7, onsound, off, kSwitch, true); }

void memoryscorebig::off_Click() { common::setsound(RichTextBox7, onsound, off, kSwitch, false); }

void memoryscorebig::rules_Click() { common::showrules("memoryscore"); }
