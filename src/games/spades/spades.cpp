#include "games/spades/spades.h"

#include "games/spades/spades_bidding.h"
#include "games/spades/spades_computer.h"
#include "games/spades/spades_deal.h"
#include "games/spades/spades_layout.h"
#include "games/spades/spades_play.h"
#include "games/spades/spades_scoring.h"
#include "games/spades/spadescore.h"

#include "common/backs.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/names.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "common/trickcards.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/rndnum.h"
#include "platform/boxes.h"

#include <string>
#include <vector>

using namespace platform;
using namespace spadesrules;

namespace {

constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kPageTurn = "pageturn.wav";
constexpr std::string_view kTargetFile = "\\Data\\spadesto.dat";
constexpr std::string_view kTrade = "Trade";
constexpr std::string_view kStart = "Start";
constexpr Color kTable = RGB(0, 128, 0);
constexpr Color kBidCircle = RGB(128, 128, 0);
constexpr Color kTrickCircle = RGB(255, 255, 0);

void designName(Label& label, double left, double top, double width) {
    label.Move(left, top, width, 255);
    label.Caption = "Your Name";
    label.Alignment = vbCenter;
    label.ForeColor = RGB(255, 255, 128);
    label.BackColor = vbMenuText;
}

void designNil(Label& label, double left, double top, double width) {
    label.Move(left, top, width, 255);
    label.Alignment = vbCenter;
    label.ForeColor = vbYellow;
    label.BackColor = kTable;
}

void designCaption(Label& label, double top, std::string caption) {
    label.Move(1080, top, 1815, 255);
    label.Caption = std::move(caption);
    label.ForeColor = vbYellow;
    label.BackStyle = vbTransparent;
    label.Font.Name = "Verdana";
    label.Font.Size = 8.25;
    label.Font.Bold = true;
}

// Every circle starts hidden; the spares beyond 1 to 13 lie outside the table.
void designCircles(ControlArray<Shape>& row, double top) {
    for (auto& [k, circle] : row) {
        circle->Kind = vbShapeCircle;
        circle->FillStyle = vbFSSolid;
        circle->FillColor = kBidCircle;
        circle->Visible = false;
        const bool spare = k < 1 || k > 13;
        circle->Move(spare ? -120 : circleLeft(k), spare ? 9000 + 120 * (k / 14) : top, 375, 255);
    }
}

}  // namespace

spades::spades() : GameWindow("spades", "spades") {
    design();
    Spadescore::connect({
        [] { return static_cast<Form*>(loaded<spades>()); },
        [] {
            const spades* table = loaded<spades>();
            return table ? table->target : std::string();
        },
        [] {
            const spades* table = loaded<spades>();
            return table ? table->table.teamscore : std::array<int, 2>{};
        },
        [] {
            if (spades* table = loaded<spades>()) table->thisisdone();
        },
        [] {
            if (spades* table = loaded<spades>()) table->nexthand();
        },
    });
    on(Image1.Click, &spades::Image1_Click);
    on(Command3.Click, &spades::Command3_Click);
    on(Command5.Click, &spades::Command5_Click);
    on(Timer1.Tick, &spades::Timer1_Timer);
    on(Timer2.Tick, &spades::Timer2_Timer);
    on(Timer3.Tick, &spades::Timer3_Timer);
    on(start.Click, &spades::start_Click);
    on(scorecard.Click, &spades::scorecard_Click);
    on(to200.Click, &spades::to200_Click);
    on(to250.Click, &spades::to250_Click);
    on(to400.Click, &spades::to400_Click);
}

void spades::design() {
    Caption = "Spades";
    Width = 10605;
    Height = 9240;
    BackColor = kTable;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    Image1[0].Move(-1440, 2280, 1695, 1095);
    for (int slot = 1; slot <= 52; ++slot) {
        Image1[slot].Stretch = true;
        Image1[slot].Move(0, 0, 1455, 855);
    }
    designName(Label16, 4440, 360, 1815);
    designName(Label17, 8520, 960, 1815);
    designName(Label18, 240, 1080, 1815);
    designName(Label11, 4440, 7440, 1695);
    designNil(Label12, 6360, 360, 1695);
    designNil(Label13, 8520, 1320, 1695);
    designNil(Label14, 6360, 7440, 1575);
    designNil(Label15, 240, 1440, 1815);
    designCaption(Label9, 7920, "Your Tricks:");
    designCaption(Label10, 8400, "Their Tricks:");
    designCircles(Shape3, 7920);
    designCircles(Shape1, 8400);
    Label* tricks[] = {&Label5, &Label6, &Label7, &Label8};
    for (int k = 0; k < 4; ++k) tricks[k]->Move(240 + 1200 * k, 9120, 975, 255);

    Frame1.Move(3360, 3840, 4335, 1695);
    Frame1.Caption = "Select Your Teams Bid";
    Frame1.BackColor = kTable;
    Frame1.ForeColor = vbWhite;
    Frame1.Font.Name = "Verdana";
    Frame1.Font.Size = 11.25;
    Frame1.Font.Bold = true;
    Frame1.Visible = false;
    for (auto& [index, button] : Command3) {
        const int column = index % 7;
        button->Move(120 + 600 * column, index < 7 ? 480 : 1080, 495, 375);
        button->Caption = std::to_string(index);
    }
    Command5.Move(4440, 3000, 1935, 615);
    Command5.Caption = std::string(kTrade);
    Command5.Font.Name = "Verdana";
    Command5.Font.Size = 9.75;
    Command5.Font.Bold = true;
    Command5.Visible = false;
}

void spades::Form_Load() {
    core::Randomize();
    const common::SeatNames names = common::pickseats();
    partnername = names.top;
    rightname = names.right;
    leftname = names.left;
    Label16.Caption = partnername;
    Label17.Caption = rightname;
    Label18.Caption = leftname;
    common::readsetting(target, kTargetFile);
    showtarget();
    playername = common::playername();
    Label11.Caption = playername;
    // The window's height follows the trick labels once the table is laid out; sized so before the
    // factor is chosen, it shows the fit to the screen what the scaling will make of it.
    Height = Label5.Top + 700;
    setscale();
    scalewindow();
    newGame(table);
    setcards();
    setcardbacks();
    startmeup();
    Height = Label5.Top + 700 * double(scale);
    table.handtop = static_cast<int>(Image1[52].Top);
}

void spades::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.7f, 0.86f});
    scale = choice.scale;
    screen = choice.kind;
    if (!core::smallscreen(choice)) return;
    Frame1.Font.Size = 9;
    Command5.Font.Size = 9;
    for (Label* label : {&Label9, &Label10, &Label11, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17,
                         &Label18})
        label->Font.Size = 7;
    for (auto& [index, button] : Command3) button->Font.Size = 7;
}

// At 800 x 600 the window shrinks with its table; at 640 x 480 it only narrows. Its height follows
// the scaled trick labels once the table is laid out.
void spades::scalewindow() {
    if (screen == core::ScreenKind::At800x600) common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) Width = Width - 2000;
    for (auto& [index, button] : Command3) common::scaleit(*button, scale);
    for (int k = 1; k <= 13; ++k) common::scaleit(Shape3[k], scale);
    for (int k = 1; k <= 13; ++k) common::scaleit(Shape1[k], scale);
    for (Label* label : {&Label9, &Label10, &Label16, &Label17, &Label18, &Label11, &Label12, &Label13, &Label14,
                         &Label15})
        common::scaleit(*label, scale);
    common::scaleit(Command5, scale);
    common::scaleit(Frame1, scale);
    common::scaleit(Label5, scale);
}

void spades::Form_Activate() {
    common::lockmain();
    if (table.startflag != 5) start_Click();
}

void spades::Form_Unload(int&) {
    // The table is closing: its score window must not deal a next hand on the way out.
    if (Spadescore* score = loaded<Spadescore>()) score->handdone = false;
    common::releasemain();
    platform::unload<Spadescore>();
}

void spades::setcards() {
    enablecards(true);
    table.tradephase = 0;
    if (blindNilOffered(table) &&
        MsgBox("Would you like to place a personal Blind Nil bid?", vbYesNo + vbInformation, "Blind Nil?") == vbYes) {
        Command5.Caption = std::string(kTrade);
        Command5.Visible = true;
        Command5.Enabled = false;
        Frame1.Enabled = false;
        openTrade(table);
    }
    beginDeal(table);
    core::shuffledeck(table.deckorder, table.cardused, 52, [this](int slot) {
        table.loopslot = slot;
        if (slot >= 40) setcards22();
        suitnum();
    });
    table.dealer = core::rndnum(4);
}

void spades::dealKnown(const std::array<std::int16_t, 52>& order) {
    beginDeal(table);
    for (int slot = 1; slot <= 52; ++slot) {
        table.deckorder[slot] = order[static_cast<std::size_t>(slot - 1)];
        table.loopslot = slot;
        if (slot >= 40) setcards22();
        suitnum();
    }
    setcardbacks();
    startmeup();
    if (table.bidding) showtheirbid();
}

void spades::suitnum() { spadesrules::suitnum(table, table.loopslot); }

void spades::setcards22() {
    const int code = table.deckorder[table.loopslot];
    if (code < 1 || code > 52) return;
    Image1[table.loopslot].Picture = LoadPicture(core::facefile(code));
}

void spades::setcardbacks() {
    common::facesized(Image1[0]);
    for (int slot = 1; slot <= 52; ++slot) layslot(slot);
}

// A slot in its fan at the template's size times the scale, upright or sideways, later slots in
// front; the other seats' cards show their backs.
void spades::layslot(int slot) {
    Image& card = Image1[slot];
    card.Stretch = true;
    const bool side = sideways(slot);
    const double width = Image1[0].Width * double(scale);
    const double height = Image1[0].Height * double(scale);
    card.Width = side ? height : width;
    card.Height = side ? width : height;
    if (side) card.Picture = LoadPicture(core::sidebackfile);
    else if (slot <= 39) card.Picture = LoadPicture(core::backfile);
    const Place place = slotPlace(slot, scale);
    card.Left = place.left;
    card.Top = place.top;
    card.ZOrder(0);
}

void spades::startmeup() {
    spadesrules::startmeup(table, [](int n, int offset) { return core::rndnum(n, offset); });
    shownils();
    for (auto* row : {&Shape3, &Shape1}) {
        for (int k = 1; k <= 13; ++k) {
            (*row)[k].FillColor = kBidCircle;
            (*row)[k].Visible = false;
        }
    }
}

void spades::countsuits() { spadesrules::countsuits(table); }

void spades::morestuff() {
    MsgBox("Your Partner suggests a bid of " + std::to_string(table.bid[kPartner]), vbInformation, "Bidding");
    table.bidding = true;
    Frame1.Visible = true;
    showtheirbid();
}

void spades::showtheirbid() {
    for (int k = 1; k <= 13; ++k) Shape1[k].Visible = k <= table.bid[2];
}

void spades::shownils() {
    Label* marks[] = {&Label12, &Label13, &Label14, &Label15};
    for (int seat = 1; seat <= 4; ++seat) {
        std::string mark;
        if (table.nilbid[seat] == -1) mark = "Nil Bid";
        if (table.blindnil[seat] == -1) mark = "Blind Nil";
        marks[seat - 1]->Caption = mark;
    }
}

void spades::enablecards(bool on) {
    for (int slot = 1; slot <= 52; ++slot) Image1[slot].Enabled = on;
}

// Every card of the seat held behind a played one closes the gap it left.
void spades::closeup(int seat, int slot) { common::closegap(Image1, table.tag, seat, slot, scale); }

void spades::Command3_Click(int Index) {
    Frame1.Visible = false;
    const bool nil = table.blindnil[kUser] != -1 &&
                     MsgBox("Would You like to make a personal Nil Bid?", vbYesNo + vbInformation, "Nil Bid?") == vbYes;
    userBid(table, Index, nil);
    shownils();
    Timer1.Enabled = table.turn != kUser;
    for (int k = 1; k <= 13; ++k) Shape3[k].Visible = k <= Index;
}

void spades::Image1_Click(int Index) {
    if (table.tradephase == -1) {
        if (!slotOfSeat(kUser, Index)) return;
        if (const auto row = tradeClick(table, Index))
            Image1[Index].Top = *row == Row::Raised ? table.handtop - kRaise : table.handtop;
        Command5.Enabled = tradeReady(table);
        return;
    }
    if (!playUser(table, Index)) return;
    placeintrick(kUser, Index);
    Timer1.Enabled = true;
    if (trickComplete(table)) {
        Timer1.Enabled = false;
        Timer2.Enabled = true;
    }
    closeup(kUser, Index);
    enablecards(false);
}

void spades::Command5_Click() {
    if (table.traded) {
        startAfterTrade(table);
        Label14.Caption = "Blind Nil";
        for (int slot = 40; slot <= 52; ++slot) Image1[slot].Top = table.handtop;
        Command5.Visible = false;
        Frame1.Enabled = true;
        return;
    }
    const std::vector<int> chosen = raisedSlots(table);
    if (chosen.size() < 2) return;
    Label14.Caption = "Blind Nil";
    const Gift gift = chooseGift(table);
    if (gift.hi) MsgBox("HI");
    exchange(table, {chosen[0], chosen[1]}, gift);
    Command5.Caption = std::string(kStart);
    for (table.loopslot = 40; table.loopslot <= 52; ++table.loopslot) setcards22();
}

// The rules play the computer seat's card; the window shows it and sets the next step going. Only
// a seat without a card leaves the table stuck, every timer stopped.
void spades::Timer1_Timer() {
    const PlayStep step = playTurn(table, [](int n, int offset) { return core::rndnum(n, offset); });
    if (step.slot) showplay(step.seat, step.slot);
    if (step.next != Next::Computer) Timer1.Enabled = false;
    if (step.next == Next::Judge) Timer2.Enabled = true;
}

// A computer seat's card turned face up and put into the trick.
void spades::showplay(int seat, int slot) {
    Image& card = Image1[slot];
    if (sideways(slot)) {
        card.Height = Image1[39].Height.get();
        card.Width = Image1[39].Width.get();
    }
    table.loopslot = slot;
    setcards22();
    placeintrick(seat, slot);
    closeup(seat, slot);
}

// A played card goes to its seat's place in the trick, in front of the table, with its sound.
void spades::placeintrick(int seat, int slot) {
    Image& card = Image1[slot];
    const Place place = trickPlace(seat, scale);
    card.Left = place.left;
    card.Top = place.top;
    card.ZOrder(0);
    playsound(kFlick);
}

void spades::Timer2_Timer() {
    judgeTrick(table);
    playsound(kPageTurn);
    Timer2.Enabled = false;
    Timer3.Enabled = true;
}

void spades::Timer3_Timer() {
    for (int seat = 1; seat <= 4; ++seat) {
        if (table.trickslot[seat]) continue;
        Timer3.Enabled = false;
        return;
    }
    if (common::sweeptick(Image1, table.trickslot, table.winner)) booktrick();
}

// The swept trick is counted: the winner's circle, the trick labels, then the next lead or the
// end of the hand.
void spades::booktrick() {
    const bool handover = closeTrick(table);
    const int team = teamOf(table.winner);
    const int n = teamTricks(table, team);
    (team == kOurs ? Shape3 : Shape1)[n].FillColor = kTrickCircle;
    Label* tricks[] = {&Label5, &Label6, &Label7, &Label8};
    for (int seat = 1; seat <= 4; ++seat) tricks[seat - 1]->Caption = std::to_string(table.trickswon[seat]);
    Timer3.Enabled = false;
    if (!handover) {
        enablecards(true);
        if (table.winner != kUser) Timer1.Enabled = true;
        return;
    }
    Timer1.Enabled = false;
    window<Spadescore>().handdone = true;
    scorecard_Click();
}

void spades::scorecard_Click() {
    Spadescore& score = window<Spadescore>();
    score.Label3.Caption = partnername + "/" + playername;
    score.Label4.Caption = rightname + "/" + leftname;
    score.Label5.Caption = std::to_string(table.bags[kOurs]);
    score.Label6.Caption = std::to_string(table.bags[kTheirs]);
    score.Label8.Caption = std::to_string(table.teamscore[kOurs]);
    score.Label7.Caption = std::to_string(table.teamscore[kTheirs]);
    score.Show();
}

void spades::start_Click() {
    thisisdone();
    // A score window that is not open carries no flag; touching it would only load it hidden.
    if (Spadescore* score = loaded<Spadescore>()) score->handdone = false;
    table.startflag = 5;
}

// Nothing of an interrupted hand carries over: no timer of the old hand ticks into the new deal,
// no trick card stays counted and an open trade is closed.
void spades::stopplay() {
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Timer3.Enabled = false;
    clearTrick(table);
    closeTrade(table);
    Command5.Visible = false;
    Frame1.Enabled = true;
}

void spades::thisisdone() {
    stopplay();
    newGame(table);
    setcards();
    setcardbacks();
    startmeup();
    morestuff();
}

void spades::nexthand() {
    setcards();
    setcardbacks();
    startmeup();
    morestuff();
}

void spades::showtarget() {
    to200.Checked = target == "200";
    to250.Checked = target == "250";
    to400.Checked = target == "400";
}

void spades::settarget(std::string_view chosen) {
    common::writesetting(target, chosen, kTargetFile);
    showtarget();
}

void spades::to200_Click() { settarget("200"); }

void spades::to250_Click() { settarget("250"); }

void spades::to400_Click() { settarget("400"); }

