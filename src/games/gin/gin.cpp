#include "games/gin/gin.h"

#include "games/gin/gin_computer.h"
#include "games/gin/gin_layout.h"
#include "games/gin/gin_moves.h"
#include "games/gin/gin_scoring.h"
#include "games/gin/gin_turns.h"

#include "common/backs.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/names.h"
#include "common/options.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/numbers.h"
#include "core/rndnum.h"
#include "core/stock.h"
#include "platform/boxes.h"
#include "platform/services.h"

#include <algorithm>
#include <string>

using namespace platform;
using namespace ginrules;

namespace {

constexpr std::string_view kGame = "gin";  // the sound switch's and the rules page's name
constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kPlayToFile = "\\Data\\ginto.dat";
constexpr int kDefaultTarget = 100;
constexpr std::string_view kMessageTitle = "Gin";

void designLabel(Label& label, double top) {
    label.Move(3720, top, 1935, 255);
    label.Caption = "Your Name";
    label.Alignment = vbCenter;
    label.ForeColor = RGB(255, 255, 128);
    label.BackColor = vbMenuText;
}

void designButton(CommandButton& button, const char* caption, double left) {
    button.Caption = caption;
    button.Move(left, 7560, 1695, 375);
    button.Font.Name = "Verdana";
    button.Font.Size = 9.75;
    button.Font.Bold = true;
    button.Enabled = false;
}

void notice(std::string_view prompt, std::string_view title) { MsgBox(prompt, vbInformation, title); }

}  // namespace

gin::gin() : GameWindow(kGame, kGame) {
    design();
    ginscore::connect({
        [] { return static_cast<Form*>(loaded<gin>()); },
        [] {
            const gin* table = loaded<gin>();
            return table ? table->scorevalues() : GinScoreValues{};
        },
        [] {
            if (gin* table = loaded<gin>()) table->getcards();
        },
    });
    on(Image1.Click, &gin::Image1_Click);
    on(Image2.Click, &gin::Image2_Click);
    on(Command5.Click, &gin::Command5_Click);
    on(Command8.Click, &gin::Command8_Click);
    on(Timer1.Tick, &gin::Timer1_Timer);
    on(startgamee.Click, &gin::startgamee_Click);
    on(score.Click, &gin::score_Click);
    on(to75.Click, &gin::to75_Click);
    on(to100.Click, &gin::to100_Click);
    on(to150.Click, &gin::to150_Click);
}

void gin::design() {
    Caption = "Gin";
    Move(1980, 735, 9030, 8340);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;

    for (auto& [slot, card] : Image1) card->Move(0, -4000, 975, 1455);
    Image2.Stretch = true;
    Image2.Move(3240, 3120, 1455, 1815);
    designLabel(Label2, 720);
    designLabel(Label1, 5160);
    designButton(Command5, "Knock", 2760);
    designButton(Command8, "Continue", 4680);
    for (auto& [k, marker] : Shape1) {
        marker->Kind = vbShapeCircle;
        marker->Move(0, 0, 255, 255);
        marker->FillStyle = vbFSSolid;
        marker->FillColor = RGB(255, 255, 128);
        marker->BorderColor = RGB(255, 255, 128);
        marker->Visible = false;
    }
}

void gin::Form_Load() {
    core::Randomize();
    playername = common::playername();
    Label1.Caption = playername;
    readplayto();
    for (auto& [k, marker] : Shape1) {
        marker->Height = marker->Height / 2;
        marker->Width = marker->Width / 2;
    }
    compname = std::string(common::pickname());
    Label2.Caption = compname;
    setscale();
    // Every card takes a face's size, then stretches whatever it shows to that size.
    for (auto& [slot, card] : Image1) common::facesized(*card);
    scalewindow();
    startgamee_Click();
}

// Exactly "75", "100" or "150" ticks its item; any other text ticks none.
void gin::readplayto() {
    common::readsetting(playtotext, kPlayToFile);
    common::tickoption(playtotext, playtoitems());
}

// The choice is written, read back, and the ticks follow what was read.
void gin::chooseplayto(std::string_view value) {
    common::writesetting(playtotext, value, kPlayToFile);
    common::tickoption(playtotext, playtoitems());
}

std::array<common::OptionItem, 3> gin::playtoitems() {
    return {{{"75", &to75}, {"100", &to100}, {"150", &to150}}};
}

// A target of 0 or below would end every game before its first hand.
int gin::target() const {
    const int target = core::toInt(playtotext, kDefaultTarget);
    return target > 0 ? target : kDefaultTarget;
}

void gin::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.76f, 0.9f, {0, 1200}});
    scale = choice.scale;
    screen = choice.kind;
    if (!core::smallscreen(choice)) return;
    Label1.Font.Size = 7;
    Label2.Font.Size = 7;
}

void gin::scalewindow() {
    common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) Height = Height + 1200;
    for (auto& [slot, card] : Image1) common::scaleit(*card, scale);
    for (auto& [k, marker] : Shape1) common::scaleit(*marker, scale);
    common::scaleit(Label1, scale);
    common::scaleit(Label2, scale);
    common::scaleit(Image2, scale);
    common::scaleit(Command5, scale);
    common::scaleit(Command8, scale);
    // The design height leaves Knock and Continue below the client area; grow just enough to show them.
    const double buttonsBottom = Command5.Top + Command5.Height + core::scaled(60, scale);
    if (ScaleHeight() < buttonsBottom) Height = Height + (buttonsBottom - ScaleHeight());
    // At its own place the small screen's window would reach below the screen and cut the buttons
    // off; it moves up as far as it must, never above the top.
    const double below = Top + Height - screenHeightTwips();
    if (below > 0) Top = std::max(0.0, Top - below);
}

void gin::Form_Activate() {
    const int userTotal = table.gamescore[kUser];
    const int computerTotal = table.gamescore[kComputer];
    switch (gameOutcome(userTotal, computerTotal, target())) {
    case Outcome::UserWon:
        if (common::playagain("You Win! Play again?")) startgamee_Click();
        break;
    case Outcome::ComputerWon:
        if (common::playagain("You Lost! Play again?")) startgamee_Click();
        break;
    case Outcome::Playing: break;
    }
    common::lockmain();
}

void gin::Form_Unload(int&) {
    common::releasemain();
    // The table is closing: its score window must not deal a next hand on the way out.
    if (ginscore* open = loaded<ginscore>()) {
        open->dealsnext = false;
        open->Unload();
    }
}

void gin::startgamee_Click() {
    table.gamescore = {};
    getcards();
}

void gin::getcards() {
    begindeal();
    core::shuffledeck(table.deckorder, table.cardused, core::kDeckSize);
    laydeal(0);
}

void gin::dealKnown(const std::array<std::int16_t, 52>& order, int knockmood, int first) {
    begindeal();
    setDeal(table, order);
    if (knockmood) table.knockmood = knockmood;
    laydeal(first);
}

// A pending computer turn belongs to the hand being replaced: nothing of it may run in the new one.
void gin::begindeal() {
    Timer1.Enabled = false;
    beginDeal(table, core::rndnum(2, 3));
    Command5.Enabled = false;
    Command8.Enabled = false;
    Image2.Picture = LoadPicture(core::stockfull);
}

// The dealt cards laid out, stacked and judged; a hand that the judgement ends draws no first player.
void gin::laydeal(int first) {
    layDeal(table);
    const platform::Picture back = LoadPicture(core::backfile);
    for (auto& [slot, card] : Image1) {
        if (inHand(table.tag[slot], kUser) || onPile(table.tag[slot]))
            setcardsup(slot);
        else
            card->Picture = back;
    }
    showtable();
    for (int side : {kComputer, kUser})
        for (int tag = handBase(side) + 1; tag <= handBase(side) + kHandSize; ++tag)
            Image1[slotOfTag(table, tag)].ZOrder(0);
    for (auto& [k, marker] : Shape1) {
        const Image& card = Image1[slotOfTag(table, k + 100)];
        marker->Left = card.Left.get();
        marker->Top = markerTop(card.Top, card.Height, scale);
    }
    showturn();
    resetstuff();
    if (!table.handover) {
        const int drawnFirst = core::rndnum(2);
        table.turn = firstPlayer(first ? first : drawnFirst, table.gamescore[kUser], table.gamescore[kComputer],
                                 target());
        showturn();
        if (table.turn == kComputer) Timer1.Enabled = true;
    }
    table.drawn = 0;
}

void gin::setcardsup(int slot) {
    const int code = table.deckorder[slot];
    if (code < 1 || code > core::kDeckSize) return;
    Image1[slot].Picture = LoadPicture(core::facefile(code));
}

// A card lies where its tag says.
void gin::place(int slot) {
    Image& card = Image1[slot];
    const Place p = placeOf(table.tag[slot], scale);
    card.Left = p.left;
    card.Top = p.top;
}

void gin::showtable() {
    for (int slot = 1; slot <= core::kDeckSize; ++slot) place(slot);
}

void gin::showturn() {
    Label1.Font.Bold = table.turn == kUser;
    Label2.Font.Bold = table.turn == kComputer;
}

void gin::showmarkers() {
    for (auto& [k, marker] : Shape1) marker->Visible = table.meldmark[k + 100] == -1;
}

void gin::showcomputerhand() {
    for (int slot = 1; slot <= core::kDeckSize; ++slot) {
        if (inHand(table.tag[slot], kComputer)) setcardsup(slot);
    }
}

void gin::resetstuff() {
    setkeepmarks(table);
    matching();
}

void gin::matching() {
    ginrules::matching(table);
    showjudgement();
}

// What the latest judgement of both hands shows, and the end of the hand it brings.
void gin::showjudgement() {
    Command5.Enabled = false;
    Command8.Enabled = false;
    showmarkers();
    if (const HandEnd end = handEnd(table); end != HandEnd::None) handend(end);
}

// The one end of a hand: its message, the computer's cards face up, lay-offs and points, and the
// score window with the flag that deals the next hand.
void gin::handend(HandEnd end) {
    Timer1.Enabled = false;
    switch (end) {
    case HandEnd::UserGin: notice("You have reached Gin", kMessageTitle); break;
    case HandEnd::ComputerGin: notice(compname + " has reached Gin", kMessageTitle); break;
    case HandEnd::ComputerKnocks: notice(compname + " Knocks", "Knocks"); break;
    case HandEnd::DeadHand: notice("The stock is empty. No score this hand.", kMessageTitle); break;
    case HandEnd::UserKnocks:
    case HandEnd::None: break;
    }
    showcomputerhand();
    const Points points = settle(table, end);
    if (points.undercut)
        notice(end == HandEnd::UserKnocks ? "Your total of unmatched card is Larger!"
                                          : "Your total of unmatched card is smaller!",
               "Card Totals");
    showturn();
    showscore();
}

// Every value is written, so a score window already open from the View menu shows this hand too.
void gin::showscore() {
    ginscore& window = platform::window<ginscore>();
    window.showvalues(scorevalues());
    window.Label7.Caption = std::to_string(table.unmatched[kComputer]);
    window.dealsnext = true;
    window.Show();
}

GinScoreValues gin::scorevalues() const {
    return {playername, compname, std::to_string(table.unmatched[kUser]),
            std::to_string(table.gamescore[kUser]), std::to_string(table.gamescore[kComputer])};
}

void gin::Image2_Click() {
    if (!userMayDraw(table)) return;
    playsound(kFlick);
    const int slot = userDrawsStock(table);
    if (!slot) {
        handend(HandEnd::DeadHand);
        return;
    }
    setcardsup(slot);
    // Every stock card has moved up one.
    showtable();
    Image1[slot].ZOrder(0);
}

void gin::Image1_Click(int Index) {
    if (table.turn != kUser) return;
    playsound(kFlick);
    switch (userMove(table, Index)) {
    case UserMove::TakePile:
        userTakesPile(table);
        place(Index);
        Image1[Index].ZOrder(0);
        return;
    case UserMove::Discard: userdiscard(Index); return;
    case UserMove::None: return;
    }
}

// After the discard both hands are judged; a total under 10 may knock, else the computer plays.
void gin::userdiscard(int slot) {
    if (!userDiscards(table, slot)) return;
    showtable();
    Image1[slot].ZOrder(0);
    showjudgement();
    if (table.handover) return;
    showturn();
    if (!userMayKnock(table)) {
        Timer1.Enabled = true;
        return;
    }
    Command8.Enabled = true;
    Command5.Enabled = true;
}

void gin::Command5_Click() { handend(HandEnd::UserKnocks); }

// The choice is made: neither button stays offered while the computer's turn is pending.
void gin::Command8_Click() {
    Command5.Enabled = false;
    Command8.Enabled = false;
    showturn();
    Timer1.Enabled = true;
}

// The computer's whole turn: a card from the pile or the stock, then its discard, shown face up
// once any end of the hand it brought has been settled.
void gin::Timer1_Timer() {
    Timer1.Enabled = false;
    const ComputerTurn turn = computerTurn(table, [](int n) { return core::rndnum(n); });
    if (!turn.drawn) {
        handend(HandEnd::DeadHand);
        return;
    }
    Image1[turn.drawn].Picture = LoadPicture(core::backfile);
    showtable();
    Image1[turn.drawn].ZOrder(0);
    Image1[turn.discarded].ZOrder(0);
    showturn();
    showjudgement();
    setcardsup(pileTop(table));
}

void gin::score_Click() { platform::window<ginscore>().Show(); }

void gin::to75_Click() { chooseplayto("75"); }

void gin::to100_Click() { chooseplayto("100"); }

void gin::to150_Click() { chooseplayto("150"); }
