#include "games/crazy8s-war/wargame.h"

#include "games/crazy8s-war/war_layout.h"
#include "games/crazy8s-war/war_rules.h"

#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/namelabel.h"
#include "common/names.h"
#include "common/question.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "platform/boxes.h"

#include <string>

using namespace platform;
using namespace warrules;

namespace {

constexpr std::string_view kFlick = "flick.wav";
constexpr Color kTable = RGB(0, 128, 0);
constexpr float kSmallest = 0.78f;  // the factor at 640 x 480
constexpr int kBattle = 1500;       // the pause before a battle is judged
constexpr int kCollecting = 1;      // the battle timer's pace while won cards are handed over

void designCorner(Frame& frame, double left, double top, double width, double height) {
    frame.Move(left, top, width, height);
    frame.BackColor = kTable;
    frame.BorderStyle = vbBSNone;
}

}  // namespace

wargame::wargame() : GameWindow("war", "war") {
    design();
    on(yourdeck.Click, &wargame::yourdeck_Click);
    on(Timer1.Tick, &wargame::Timer1_Timer);
    on(Timer2.Tick, &wargame::Timer2_Timer);
    on(Timer3.Tick, &wargame::Timer3_Timer);
    on(Timer4.Tick, &wargame::Timer4_Timer);
    on(newgame.Click, &wargame::newgame_Click);
}

// Every card and both piles stretch their pictures from the start, so faces, backs and pile
// pictures alike show at the design sizes.
void wargame::design() {
    Caption = "War";
    Move(45, 735, 9615, 7740);
    BackColor = kTable;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    designCorner(Frame1, 0, 0, 2895, 3375);
    compdeck.Move(720, 720, 1455, 1815);
    compdeck.Stretch = true;
    common::namelabel(Label2, 720, 2880, 1695);
    designCorner(Frame2, 6600, 3840, 3135, 3855);
    yourdeck.Move(480, 120, 1335, 1695);
    yourdeck.Stretch = true;
    yourdeck.MousePointer = vbCustom;
    common::namelabel(Label1, 480, 2280, 1695);
    for (auto& [k, card] : Image1) {
        card->Move(0, 0, 1215, 1695);
        card->Stretch = true;
    }
}

void wargame::Form_Load() {
    core::Randomize();
    Label2.Caption = std::string(common::pickname());
    Label1.Caption = common::playername();
    startmeup();
    const core::ScaleChoice choice = common::setscale(*this, {kSmallest, 1.0f});
    scale = choice.scale;
    if (core::smallscreen(choice)) {
        Label1.Font.Size = 7;
        Label2.Font.Size = 7;
    }
    scalewindow();
}

void wargame::scalewindow() {
    common::scaleit(*this, scale);
    if (scale == kSmallest) Height = Height + 200;
    for (auto& [k, card] : Image1) common::scaleit(*card, scale);
    for (Control* control : std::initializer_list<Control*>{&yourdeck, &compdeck, &Label1, &Label2, &Frame1, &Frame2})
        common::scaleit(*control, scale);
}

void wargame::Form_Activate() { common::lockmain(); }

void wargame::Form_Unload(int&) { common::releasemain(); }

void wargame::newgame_Click() { startmeup(); }

void wargame::startmeup() {
    core::shuffledeck(table.deckorder, table.cardused, kCards);
    lay();
}

void wargame::dealKnown(const std::array<std::int16_t, 52>& order) {
    core::knowndeal(table.deckorder, table.cardused, order);
    lay();
}

// Whatever was under way stops: the next battle is judged after the full pause again, and every
// card goes back into the piles, out of sight.
void wargame::lay() {
    for (Timer* timer : {&Timer1, &Timer2, &Timer3, &Timer4}) timer->Enabled = false;
    Timer1.Interval = kBattle;
    yourdeck.Enabled = true;
    deal(table);
    showpile(compdeck, table.compcount);
    showpile(yourdeck, table.playercount);
    for (auto& [k, card] : Image1) {
        card->Tag = std::to_string(table.tag[k]);
        card->Move(kOutOfSight * double(scale), kOutOfSight * double(scale));
        zzz(k);
    }
}

void wargame::zzz(int card) { Image1[card].Picture = LoadPicture(core::facefile(table.deckorder[card])); }

// The piles close up behind every card that leaves them, so every tag follows the table.
void wargame::showtags() {
    for (auto& [k, card] : Image1) card->Tag = std::to_string(table.tag[k]);
}

void wargame::showpile(Image& pile, int count) {
    const std::string_view picture = pilepicture(count);
    pile.Visible = !picture.empty();
    if (!picture.empty()) pile.Picture = LoadPicture(picture);
}

void wargame::yourdeck_Click() {
    newgame.Enabled = false;
    playsound(kFlick);
    yourdeck.Enabled = false;
    turn(table);
    showpile(yourdeck, table.playercount);
    showpile(compdeck, table.compcount);
    for (const auto& [card, side] : {std::pair{table.playerface, Side::User}, std::pair{table.compface, Side::Computer}}) {
        const Place at = turnedplace(side, scale);
        Image1[card].Move(at.left, at.top);
        // A card that left an earlier battle face down shows its face when it is turned again.
        zzz(card);
    }
    showtags();
    Timer1.Enabled = true;
}

// Judges the battle, lays a war on a tie, or hands the next won card to the winner's slide.
void wargame::Timer1_Timer() {
    const BattleStep step = battlestep(table, Timer2.Enabled || Timer3.Enabled);
    if (step.notice != Side::None)
        MsgBox(step.notice == Side::Computer ? "The Computer does not have enough cards for a war"
                                             : "You do not have enough cards for a war",
               vbOKOnly + vbInformation, "Card Numbers");
    switch (step.next) {
    case BattleStep::Next::War:
        laywar();
        return;
    case BattleStep::Next::Done:
        Timer1.Enabled = false;
        Timer1.Interval = kBattle;
        // A finished game's pile stays closed until New Game.
        yourdeck.Enabled = canturn(table);
        newgame.Enabled = true;
        return;
    case BattleStep::Next::Collect:
        if (step.card != 0) {
            sliding = step.card;
            (step.winner == Side::Computer ? Timer2 : Timer3).Enabled = true;
        }
        if (Timer1.Interval != kCollecting) Timer1.Interval = kCollecting;
        return;
    }
}

void wargame::laywar() {
    const Place faces[] = {{Image1[table.playerface].Left, Image1[table.playerface].Top},
                           {Image1[table.compface].Left, Image1[table.compface].Top}};
    const War war = warrules::laywar(table);
    const platform::Picture back = LoadPicture(core::backfile);
    const std::pair<const std::vector<WarCard>*, Side> sides[] = {{&war.user, Side::User}, {&war.comp, Side::Computer}};
    for (const auto& [laid, side] : sides) {
        for (const WarCard& c : *laid) {
            Image& card = Image1[c.card];
            if (c.faceup())
                zzz(c.card);
            else
                card.Picture = back;
            const Place at = warplace(faces[side == Side::User ? 0 : 1], side, c.k, scale);
            card.Move(at.left, at.top);
            card.ZOrder(0);
        }
    }
    showtags();
    showpile(yourdeck, table.playercount);
    showpile(compdeck, table.compcount);
    playsound(kFlick);
    if (table.cardrank[table.compface] == table.cardrank[table.playerface]) return;
    Timer1.Enabled = false;
    Timer4.Enabled = true;
}

// The war's cards face up, then the judgement after the usual pause.
void wargame::Timer4_Timer() {
    for (int k = 1; k <= kCards; ++k)
        if (table.tag[k] > kUserTable) zzz(k);
    Timer4.Enabled = false;
    Timer1.Enabled = true;
}

void wargame::Timer2_Timer() { slide(Timer2, Side::Computer); }

void wargame::Timer3_Timer() { slide(Timer3, Side::User); }

// One step of the won card toward the winner's corner; once out of the window it joins the bottom
// of the winner's pile, and a card reaching a pile while the other is empty ends the game.
void wargame::slide(Timer& timer, Side winner) {
    Image& card = Image1[sliding];
    const double step = winner == Side::User ? kSlideStep : -kSlideStep;
    card.Top = card.Top + step;
    card.Left = card.Left + step;
    if (!slidout({card.Left, card.Top}, winner, scale)) return;
    timer.Enabled = false;
    const bool over = arrive(table, sliding, winner);
    card.Tag = std::to_string(table.tag[sliding]);
    if (winner == Side::User)
        showpile(yourdeck, table.playercount);
    else
        showpile(compdeck, table.compcount);
    if (!over) return;
    const bool again = common::playagain(winner == Side::User ? "You Win! Play again?" : "You Lost! Play again?");
    yourdeck.Enabled = false;
    if (again) newgame_Click();
}
