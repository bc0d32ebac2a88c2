#include "games/memory/memorycomp.h"

#include "games/memory/memory_cards.h"
#include "games/memory/memory_turns.h"

#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/namelabel.h"
#include "common/names.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/chance.h"
#include "core/rndnum.h"
#include "platform/boxes.h"

#include <algorithm>
#include <string>

using namespace platform;
using namespace memoryrules;

namespace {

constexpr std::string_view kSkillFile = "\\conskill.dat";
constexpr std::string_view kFlick = "flick.wav";
constexpr int kNotice = vbOKOnly + vbInformation;

}  // namespace

memorycomp::memorycomp(const BoardDesign& design)
    : GameWindow("memorycomp", "compmemory"),
      table(design.board),
      Image1(*this, 1, cardsOn(design.board)),
      skill(*this, std::string(design.skillCaption), sound),
      board_(design),
      draw_([](int n) { return core::rndnum(n); }) {
    this->design();
    on(Image1.Click, &memorycomp::Image1_Click);
    on(Timer1.Tick, &memorycomp::Timer1_Timer);
    on(Timer2.Tick, &memorycomp::Timer2_Timer);
    on(Timer3.Tick, &memorycomp::Timer3_Timer);
    on(newgame.Click, &memorycomp::newgame_Click);
    on(easy.Click, &memorycomp::easy_Click);
    on(medium.Click, &memorycomp::medium_Click);
    on(hard.Click, &memorycomp::hard_Click);
}

void memorycomp::design() {
    Caption = "Memorization Game";
    Width = board_.width;
    Height = board_.height;
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    memorycards::design(Image1, board_.board);
    common::namelabel(Label1, board_.name.left, board_.name.top, board_.name.width);
    common::namelabel(Label3, board_.pairs.left, board_.pairs.top, board_.pairs.width);
    common::namelabel(Label2, board_.oppName.left, board_.oppName.top, board_.oppName.width);
    common::namelabel(Label4, board_.oppPairs.left, board_.oppPairs.top, board_.oppPairs.width);
    Label3.Caption = "0";
    Label2.Caption = "Comp Name";
    Label4.Caption = "0";
    Image2.Visible = false;
    medium.Checked = true;
}

void memorycomp::Form_Load() {
    core::Randomize();
    common::readsetting(skillsetting, kSkillFile);
    Label1.Caption = common::playername();
    common::lockmain();
    Label2.Caption = std::string(common::pickname());
    tickskill();
    setcards();
    core::ScaleFactors factors = board_.factors;
    factors.added640x480 = {board_.grow640Width, board_.grow640Height};
    scalewindow(common::setscale(*this, factors));
}

void memorycomp::scalewindow(const core::ScaleChoice& choice) {
    scale = choice.scale;
    if (core::smallscreen(choice))
        for (Label* label : {&Label1, &Label2, &Label3, &Label4}) label->Font.Size = 7;
    common::scaleit(*this, scale);
    if (choice.kind == core::ScreenKind::At640x480) {
        Width = Width + board_.grow640Width;
        Height = Height + board_.grow640Height;
    }
    memorycards::scalecards(Image1, scale);
    for (Label* label : {&Label1, &Label3, &Label2, &Label4}) common::scaleit(*label, scale);
    // On the smallest screen the labels would lose an edge to the frame.
    common::holdclient(*this, std::max(Label1.Left + Label1.Width, Label3.Left + Label3.Width),
                       Label4.Top + Label4.Height + 60 * double(scale));
}

void memorycomp::Form_Activate() { common::lockmain(); }

void memorycomp::Form_Unload(int&) { common::releasemain(); }

void memorycomp::setcards() { memorycards::deal(Image1, Image2, table); }

void memorycomp::newgame_Click() {
    startover();
    setcards();
}

void memorycomp::dealKnown(const std::vector<std::int16_t>& order) {
    startover();
    memorycards::dealKnown(Image1, Image2, table, order);
}

// Whatever the board was doing, a computer turn included, it ends here: the user plays first.
void memorycomp::startover() {
    memoryrules::newGame(table);
    Label3.Caption = "0";
    Label4.Caption = "0";
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Timer3.Enabled = false;
    memorycards::startover(Image1);
}

// The skill is read again at each decision, so a change applies in the game under way.
Skill memorycomp::skilllevel() const { return skillof(skillsetting); }

void memorycomp::tickskill() {
    const Skill level = skilllevel();
    easy.Checked = level == Skill::Easy;
    medium.Checked = level == Skill::Medium;
    hard.Checked = level == Skill::Hard;
}

void memorycomp::setskill(std::string_view word) {
    common::writesetting(skillsetting, word, kSkillFile, false);
    tickskill();
}

void memorycomp::Image1_Click(int Index) {
    Image1[Index].Enabled = false;
    playsound(kFlick);
    const Outcome outcome = turnUser(table, Index, skilllevel() == Skill::Hard);
    memorycards::showface(Image1, table, Index);
    if (outcome == Outcome::FirstCard) return;
    memorycards::enablecards(Image1, false);
    if (outcome == Outcome::Miss) {
        Timer1.Enabled = true;
        return;
    }
    MsgBox("You've found a match", kNotice, "Match");
    claimPair(table, Side::User);
    Label3.Caption = std::to_string(table.playermatches);
    memorycards::remove(Image1, table.firstcard);
    memorycards::remove(Image1, Index);
    memorycards::enablecards(Image1, true);
    endtest();
}

void memorycomp::endtest() {
    if (!gameOver(table)) return;
    if (common::playagain(verdict(table.playermatches, table.compmatches))) newgame_Click();
}

void memorycomp::Timer1_Timer() {
    Timer1.Enabled = false;
    playsound(kFlick);
    memorycards::facedown(Image1, Image2, table.firstcard);
    memorycards::facedown(Image1, Image2, table.secondcard);
    computerFirst(table, skilllevel(), draw_);
    memorycards::showface(Image1, table, table.cardindex);
    Timer2.Enabled = true;
}

// The notice and the question wait inside this tick; no timer runs meanwhile, so the pair that
// leaves the board afterwards is the one the notice showed.
void memorycomp::Timer2_Timer() {
    Timer2.Enabled = false;
    playsound(kFlick);
    const Outcome outcome = computerSecond(table, skilllevel(), draw_);
    memorycards::showface(Image1, table, table.cardindex);
    if (outcome == Outcome::Miss) {
        Timer3.Enabled = true;
        return;
    }
    claimPair(table, Side::Computer);
    Label4.Caption = std::to_string(table.compmatches);
    MsgBox("Computer Match", kNotice, "Match");
    memorycards::remove(Image1, table.firstcard);
    memorycards::remove(Image1, table.cardindex);
    if (gameOver(table)) {
        endtest();
        return;
    }
    Timer1.Enabled = true;
    memorycards::enablecards(Image1, false);
}

void memorycomp::Timer3_Timer() {
    memorycards::facedown(Image1, Image2, table.firstcard);
    memorycards::facedown(Image1, Image2, table.secondcard);
    memorycards::enablecards(Image1, true);
    Timer3.Enabled = false;
}

void memorycomp::easy_Click() { setskill("EASY"); }

void memorycomp::medium_Click() { setskill("MED"); }

void memorycomp::hard_Click() { setskill("HARD"); }
