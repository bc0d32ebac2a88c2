#include "games/hearts/hearts.h"

#include "games/hearts/hearts_computer.h"
#include "games/hearts/hearts_deal.h"
#include "games/hearts/hearts_layout.h"
#include "games/hearts/hearts_play.h"
#include "games/hearts/hearts_scoring.h"
#include "games/hearts/heartsscore.h"

#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/names.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "common/trickcards.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/rndnum.h"
#include "platform/boxes.h"

#include <string>

using namespace platform;
using namespace heartsrules;

namespace {

constexpr std::string_view kGame = "hearts";  // the sound switch's and the rules page's name
constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kPageTurn = "pageturn.wav";
constexpr std::string_view kJackRuleFile = "\\jackrule.dat";
constexpr int kRight = 2;
constexpr int kLeft = 4;

void designLabel(Label& label, double left, double top) {
    label.Move(left, top, 1815, 255);
    label.Caption = "Your Name";
    label.Alignment = vbCenter;
    label.ForeColor = RGB(255, 255, 128);
    label.BackColor = vbMenuText;
}

}  // namespace

hearts::hearts() : GameWindow(kGame, kGame) {
    design();
    heartsscore::connect({
        [] { return static_cast<Form*>(loaded<hearts>()); },
        [] {
            const hearts* table = loaded<hearts>();
            return table ? table->scorelines() : std::array<std::string, 4>{};
        },
        [] {
            hearts* table = loaded<hearts>();
            return table && table->nexthand();
        },
    });
    on(Image1.Click, &hearts::Image1_Click);
    on(Command1.Click, &hearts::Command1_Click);
    on(Timer1.Tick, &hearts::Timer1_Timer);
    on(Timer2.Tick, &hearts::Timer2_Timer);
    on(Timer3.Tick, &hearts::Timer3_Timer);
    on(newgame1.Click, &hearts::newgame1_Click);
    on(showscore.Click, &hearts::showscore_Click);
    on(jackrule.Click, &hearts::jackrule_Click);
}

void hearts::design() {
    Caption = "Hearts";
    Width = 10605;
    Height = 8160;
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    Image1[0].Move(-1560, 7200);
    designLabel(Label5, 4440, 7440);
    designLabel(Label6, 4440, 240);
    designLabel(Label7, 8520, 1440);
    designLabel(Label8, 240, 1440);

    Command1.Caption = "Pass Left";
    Command1.Move(4320, 4680, 2055, 495);
    Command1.Font.Name = "Verdana";
    Command1.Font.Size = 9.75;
    Command1.Font.Bold = true;
    for (CommandButton* unused : {&Command2, &Command3, &Command4, &Command5}) unused->Visible = false;
}

void hearts::Form_Load() {
    core::Randomize();
    names[kUser] = common::playername();
    Label5.Caption = names[kUser];
    common::lockmain();
    const common::SeatNames seats = common::pickseats();
    names[kTop] = seats.top;
    names[kRight] = seats.right;
    names[kLeft] = seats.left;
    Label6.Caption = names[kTop];
    Label7.Caption = names[kRight];
    Label8.Caption = names[kLeft];
    setscale();
    dealhand();
    startupstuff();
    scalewindow();
    dealhand();
    startupstuff();
}

void hearts::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.74f, 0.9f, {800, 1000}});
    scale = choice.scale;
    screen = choice.kind;
    if (!core::smallscreen(choice)) return;
    for (Label* name : {&Label5, &Label6, &Label7, &Label8}) name->Font.Size = 7;
    Command1.Font.Size = 8;
}

// The window, the template card, the name labels and the button shrink once, at load; the cards
// take the template's scaled size at the next deal.
void hearts::scalewindow() {
    common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) {
        Width = Width + 800;
        Height = Height + 1000;
    }
    Image1[0].Stretch = true;
    Image1[0].Height = Image1[0].Height * double(scale);
    Image1[0].Width = Image1[0].Width * double(scale);
    for (Label* name : {&Label5, &Label6, &Label7, &Label8}) common::scaleit(*name, scale);
    common::scaleit(Command1, scale);
    // The design height leaves the user's own name below the client area; grow just enough to show it.
    const double nameBottom = Label5.Top + Label5.Height + 60 * double(scale);
    if (ScaleHeight() < nameBottom) Height = Height + (nameBottom - ScaleHeight());
}

void hearts::Form_Activate() { common::lockmain(); }

void hearts::Form_Unload(int&) {
    // The table is closing: its score window must not deal a next hand on the way out.
    handplayed = false;
    common::releasemain();
    platform::unload<heartsscore>();
}

void hearts::dealhand() {
    setcards();
    setcardbacks();
}

void hearts::setcards() {
    beginDeal(table);
    core::shuffledeck(table.deckorder, table.cardused, 52, [this](int slot) {
        if (!slotOfSeat(kUser, slot)) return;
        table.curslot = slot;
        setcardsup();
    });
}

void hearts::dealKnown(const std::array<std::int16_t, 52>& order) {
    beginDeal(table);
    for (int slot = 1; slot <= 52; ++slot) {
        table.deckorder[slot] = order[static_cast<std::size_t>(slot - 1)];
        table.curslot = slot;
        if (slotOfSeat(kUser, slot)) setcardsup();
    }
    setcardbacks();
}

void hearts::setcardbacks() {
    clearLayoutState(table);
    Image1[0].Picture = LoadPicture(core::facefile(1));
    for (int slot = 1; slot <= 52; ++slot) layslot(slot);
    // A new table always reacts to the user, whatever the last hand left disabled.
    enablecards(true);
}

// A slot in its fan at the template's size, upright or sideways, later slots in front.
void hearts::layslot(int slot) {
    Image& card = Image1[slot];
    card.Stretch = true;
    const bool side = sideways(slot);
    card.Width = side ? Image1[0].Height.get() : Image1[0].Width.get();
    card.Height = side ? Image1[0].Width.get() : Image1[0].Height.get();
    if (side) card.Picture = LoadPicture(core::sidebackfile);
    if (slotOfSeat(kTop, slot)) card.Picture = LoadPicture(core::backfile);
    const Place place = fanPlace(slot, scale);
    card.Left = place.left;
    card.Top = place.top;
    card.ZOrder(0);
}

void hearts::startupstuff() {
    newGameState(table);
    stoptimers();
    Command1.Visible = true;
    Command1.Caption = std::string(passCaption(table.buttonpass));
    common::readsetting(jackruletext, kJackRuleFile);
    jackrule.Checked = jackruleon();
    Command1.Enabled = false;
}

void hearts::setcardsup() {
    const int code = table.deckorder[table.curslot];
    if (code < 1 || code > 52) return;
    Image1[table.curslot].Picture = LoadPicture(core::facefile(code));
}

void hearts::setcardsup2() { suitAndRank(table, table.curslot); }

void hearts::stoptimers() {
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Timer3.Enabled = false;
}

void hearts::enablecards(bool on) {
    for (int slot = 1; slot <= 52; ++slot) Image1[slot].Enabled = on;
}

// Every card of the seat held behind a played one closes the gap it left.
void hearts::closeup(int seat, int slot) { common::closegap(Image1, table.tag, seat, slot, scale); }

void hearts::Image1_Click(int Index) {
    if (table.passstate == 4) table.passphase = 0;
    if (table.passphase == -1) {
        playsound(kFlick);
        Image& card = Image1[Index];
        if (const auto row = choosePassCard(table, Index, passRow(table, Index)))
            card.Top = scaled(*row == Row::Raised ? kRaisedRow : kHandRow, scale);
        Command1.Enabled = table.passcount == 3;
        return;
    }
    if (!playUser(table, Index)) return;
    placeintrick(kUser, Index);
    enablecards(false);
    playsound(kFlick);
    Timer1.Enabled = true;
    closeup(kUser, Index);
    judgewhenfull();
}

void hearts::Command1_Click() {
    pressButton(table);
    handplayed = false;
    if (buttonStarts(table))
        starthand();
    else
        pass();
}

void hearts::pass() {
    for (int slot : passChosen(table)) {
        if (!slot) continue;
        table.curslot = slot;
        setcardsup();
    }
    Command1.Caption = std::string(passCaption(table.buttonpass));
}

void hearts::starthand() {
    Command1.Visible = false;
    for (table.curslot = 1; table.curslot <= 52; ++table.curslot) setcardsup2();
    for (int slot : slotsOf(kUser)) Image1[slot].Top = scaled(kHandRow, scale);
    const Opening opening = startHand(table);
    leadtwoofclubs(opening.slot, opening.seat);
    if (table.turn != kUser) Timer1.Enabled = true;
}

// A computer seat holding the two of clubs plays it at once; the user must click it.
void hearts::leadtwoofclubs(int slot, int seat) {
    if (!slot) return;
    if (seat == kUser) {
        playsound(kFlick);
        return;
    }
    computercard(seat, slot);
    closeup(seat, slot);
    if (seat != kTop) playsound(kFlick);
}

// A computer seat's card turns face up, upright, in the trick.
void hearts::computercard(int seat, int slot) {
    Image& card = Image1[slot];
    if (seat != kTop) {
        card.Height = Image1[0].Height.get();
        card.Width = Image1[0].Width.get();
    }
    table.curslot = slot;
    setcardsup();
    placeintrick(seat, slot);
}

// A played card lies at its seat's place in the trick, in front of the table.
void hearts::placeintrick(int seat, int slot) {
    Image& card = Image1[slot];
    const Place place = trickPlace(seat, scale);
    card.Left = place.left;
    card.Top = place.top;
    card.ZOrder(0);
}

// The fourth card completes the trick: the computer seats stop and the trick is judged.
void hearts::judgewhenfull() {
    if (!trickFull(table)) return;
    Timer1.Enabled = false;
    Timer2.Enabled = true;
}

void hearts::Timer1_Timer() {
    playsound(kFlick);
    if (!computerplays()) return;
    if (table.turn == kUser) Timer1.Enabled = false;
    judgewhenfull();
}

// The computer seat at its turn plays, by the rules; its card turns face up in the trick.
bool hearts::computerplays() {
    const ComputerTurn turn = computerTurn(table, jackruleon(), [](int n) { return core::rndnum(n); });
    if (!turn.seat) return true;
    if (!turn.played) {
        // Only a seat without cards gets here; the table cannot go on.
        Timer1.Enabled = false;
        MsgBox("error on " + std::to_string(turn.seat));
        MsgBox(std::to_string(turn.slot));
        return false;
    }
    computercard(turn.seat, turn.slot);
    closeup(turn.seat, turn.slot);
    return true;
}

void hearts::Timer2_Timer() {
    judgeTrick(table);
    playsound(kPageTurn);
    Timer2.Enabled = false;
    Timer3.Enabled = true;
}

void hearts::Timer3_Timer() {
    const int winner = table.winner;
    if (!common::sweeptick(Image1, table.trickslot, winner)) return;
    const bool handover = scoreTrick(table, jackruleon());
    handplayed = true;
    enablecards(true);
    Timer3.Enabled = false;
    if (handover) {
        Timer1.Enabled = false;
        scoreit();
        return;
    }
    if (winner != kUser) Timer1.Enabled = true;
}

void hearts::scoreit() {
    settleMoon(table, jackruleon());
    table.totals = table.gamescore;
    // A score window opened from the menu during this hand must not go on showing the old totals.
    if (heartsscore* open = loaded<heartsscore>()) open->showtotals();
    if (const int winner = gameWinner(table)) {
        window<heartsscore>().Show();
        if (common::playagain(names[winner] + " Wins! Play again?")) {
            handplayed = false;
            newgame1_Click();
            return;
        }
    }
    window<heartsscore>().Show();
    advancePass(table);
}

void hearts::newgame1_Click() {
    stoptimers();
    // Nothing of an interrupted trick or hand carries over into the new game.
    clearTrick(table);
    handplayed = false;
    table.passstate = 1;
    dealhand();
    startupstuff();
}

bool hearts::nexthand() {
    if (!handplayed || handinplay()) return false;
    Command1.Visible = true;
    Command1.Enabled = false;
    dealhand();
    table.buttonpass = table.passstate;
    Command1.Caption = std::string(passCaption(table.buttonpass));
    if (!buttonStarts(table)) return true;
    Command1.Enabled = true;
    Enabled = true;
    return true;
}

std::array<std::string, 4> hearts::scorelines() const {
    const auto line = [this](const std::string& name, int seat) {
        return name + ": " + std::to_string(table.totals[seat]);
    };
    return {line(names[kTop], kTop), line(names[kRight], kRight), line(common::playername(), kUser),
            line(names[kLeft], kLeft)};
}

void hearts::showscore_Click() {
    handplayed = false;
    window<heartsscore>().Show();
}

// The tick always shows whether the rule is in force.
void hearts::jackrule_Click() {
    common::writesetting(jackruletext, jackruleon() ? "NO" : "YES", kJackRuleFile);
    jackrule.Checked = jackruleon();
}
