#include "games/crazy8s-war/crazy8s.h"

#include "games/crazy8s-war/choosesuitcrazy8.h"
#include "games/crazy8s-war/crazy8s_layout.h"
#include "games/crazy8s-war/crazy8s_rules.h"

#include "common/backs.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/namelabel.h"
#include "common/names.h"
#include "common/question.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/stock.h"
#include "platform/boxes.h"

#include <string>

using namespace platform;
using namespace crazy8srules;

namespace {

constexpr std::string_view kFlick = "flick.wav";
constexpr Color kTable = RGB(0, 128, 0);
constexpr float kSmallest = 0.78f;  // the factor at 640 x 480
// Below the user's last row of cards, inside the window.
constexpr double kBottomMargin = 120;

}  // namespace

crazy8s::crazy8s() : GameWindow("crazy8s", "crazy8s") {
    design();
    choosesuitcrazy8::connect({
        [] { return static_cast<Form*>(loaded<crazy8s>()); },
        [](core::Suit suit) {
            if (crazy8s* table = loaded<crazy8s>()) table->allthereistoknow(suit);
        },
        [] {
            if (crazy8s* table = loaded<crazy8s>()) table->compturn();
        },
    });
    on(Image2.DragDrop, &crazy8s::Image2_DragDrop);
    on(Command1.Click, &crazy8s::Command1_Click);
    on(Timer3.Tick, &crazy8s::Timer3_Timer);
    on(Timer4.Tick, &crazy8s::Timer4_Timer);
    on(newgame.Click, &crazy8s::newgame_Click);
}

void crazy8s::design() {
    Caption = "Crazy 8s";
    Move(150, 540, 9750, 8205);
    BackColor = kTable;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    for (int k = 1; k <= kCards; ++k) Image1[k].Move(0, 0, 1575, 2055);
    Image1[53].Move(1440, -2400, 1575, 2055);
    Command1.Move(3480, 2760, 1365, 1695);
    Command1.Stretch = true;
    Image2.Move(5040, 2880, 1575, 2055);
    common::namelabel(Label2, 3960, 2280, 1695);
    common::namelabel(Label1, 3960, 4920, 1695);
    Frame2.Move(0, 0, 9735, 2175);
    Frame2.BackColor = kTable;
    Frame2.BorderStyle = vbBSNone;
    for (auto& [k, back] : compcard) back->Move(0, 0, 1095, 1575);
    // New Game deals at once: the Deal item is never for the user.
    deal.Enabled = false;
}

void crazy8s::Form_Load() {
    Label1.Caption = common::playername();
    core::Randomize();
    common::lockmain();
    Label2.Caption = std::string(common::pickname());
    for (auto& [k, card] : Image1) common::facesizedback(*card);
    for (auto& [k, back] : compcard) common::facesizedback(*back);
    const core::ScaleChoice choice = common::setscale(*this, {kSmallest, 0.9f, {0, 1000}});
    scale = choice.scale;
    screen = choice.kind;
    if (core::smallscreen(choice)) {
        Label1.Font.Size = 7;
        Label2.Font.Size = 7;
    }
    scalewindow();
    newgame_Click();
}

void crazy8s::scalewindow() {
    for (auto& [k, back] : compcard) {
        back->Height = back->Height * double(scale);
        back->Width = back->Width * double(scale);
    }
    common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) Height = Height + 1000;
    for (int k = 1; k <= kCards; ++k) common::scaleit(Image1[k], scale);
    for (Control* control : std::initializer_list<Control*>{&Command1, &Image2, &Label2, &Label1, &Frame2})
        common::scaleit(*control, scale);
    // The frame around the window does not shrink with it: the inside must still hold a hand of
    // 28 cards, whose last row reaches lowest.
    const double lastrow = userslot(kHandSlots, scale).top + Image1[1].Height + kBottomMargin;
    if (ScaleHeight() < lastrow) setClientSize(ScaleWidth(), lastrow);
}

void crazy8s::Form_Activate() { common::lockmain(); }

void crazy8s::Form_Unload(int&) {
    common::releasemain();
    platform::unload<choosesuitcrazy8>();
}

void crazy8s::newgame_Click() {
    core::shuffledeck(table.deckorder, table.cardused, kCards);
    deal_Click();
}

void crazy8s::dealKnown(const std::array<std::int16_t, 52>& order) {
    core::knowndeal(table.deckorder, table.cardused, order);
    deal_Click();
}

// The deal proper: a waiting computer turn is dropped, and the user is to play.
void crazy8s::deal_Click() {
    Timer3.Enabled = false;
    crazy8srules::deal(table);
    Command1.Picture = LoadPicture(core::stockfull);
    const platform::Picture back = LoadPicture(core::backfile);
    for (int k = 1; k <= kCards; ++k) {
        Image1[k].Picture = back;
        Image1[k].DragMode = vbManual;
        Image1[k].Move(kOutside, kOutside);
    }
    for (int k = 1; k <= kCards; ++k) {
        if (table.tag[k] != kUserTag) continue;
        fixit(k);
        Image1[k].ZOrder(0);
        Image1[k].DragMode = vbAutomatic;
    }
    lineupcards();
    lineupcompcards();
    fixit(kStarter);
    Image1[kStarter].Move(Image2.Left, Image2.Top);
    Image2.ZOrder(0);
    hisset();
    showtags();
    enablecards(true);
    Command1.ZOrder(0);
    Command1.Enabled = true;
    newgame.Enabled = true;
    Timer4.Enabled = true;
}

void crazy8s::fixit(int card) { Image1[card].Picture = LoadPicture(core::facefile(table.deckorder[card])); }

// A played card lies on the pile under the drop zone, which stays in front of it.
void crazy8s::topile(int card) {
    Image1[card].DragMode = vbManual;
    Image1[card].Move(Image2.Left, Image2.Top);
    Image1[card].ZOrder(0);
    Image2.ZOrder(0);
}

void crazy8s::lineupcards() {
    for (int k = 1; k <= kCards; ++k) {
        if (table.tag[k] != kUserTag) continue;
        const Place at = userslot(table.slot[k], scale);
        Image1[k].Move(at.left, at.top);
    }
}

void crazy8s::lineupcompcards() {
    for (int k = 1; k <= kCards; ++k) {
        if (table.tag[k] != kCompTag) continue;
        const Place at = compslot(table.slot[k], scale);
        Image1[k].Move(at.left, at.top);
    }
}

// As many backs as the computer holds; each later row lies behind the one before it.
void crazy8s::hisset() {
    for (auto& [k, back] : compcard) {
        const Place at = backslot(k, scale);
        back->Move(at.left, at.top);
        back->Visible = k <= table.compcount;
    }
    for (int k = kHandSlots; k >= 1; --k) compcard[k].ZOrder(0);
}

void crazy8s::showtags() {
    for (int k = 1; k <= kCards; ++k) Image1[k].Tag = std::to_string(table.tag[k]);
}

void crazy8s::enablecards(bool on) {
    userplays = on;
    for (int k = 1; k <= kCards; ++k) Image1[k].Enabled = on;
}

// An illegal card changes nothing: it stays in the hand and the stock keeps its state.
void crazy8s::Image2_DragDrop(Control& Source, double, double) {
    const int card = Source.Index();
    if (!Image1.exists(card) || &Image1[card] != &Source || table.tag[card] != kUserTag || !legal(table, card)) return;
    playsound(kFlick);
    play(table, card);
    topile(card);
    lineupcards();
    showtags();
    Command1.Enabled = false;
    if (table.playercount == 0) {
        gameover("You Win, Keep Playing?");
        return;
    }
    enablecards(false);
    if (table.cardrank[card] == kEight) {
        platform::window<choosesuitcrazy8>().Show();
        return;
    }
    Timer3.Enabled = true;
}

// A draw while the user may draw; with nothing to draw and nothing to play, the click passes
// the turn to the computer after the usual pause.
void crazy8s::Command1_Click() {
    if (!candraw(table, kUserTag)) {
        if (haslegal(table, kUserTag)) return;
        enablecards(false);
        Command1.Enabled = false;
        Timer3.Enabled = true;
        return;
    }
    playsound(kFlick);
    const int card = draw(table, kUserTag);
    const Place at = userslot(table.slot[card], scale);
    Image1[card].ZOrder(0);
    Image1[card].Move(at.left, at.top);
    Image1[card].DragMode = vbAutomatic;
    fixit(card);
    showtags();
    Command1.Enabled = stockusable(table);
}

void crazy8s::allthereistoknow(core::Suit suit) {
    pickedsuit = suit;
    table.activesuit = suit;
    table.activerank = kEight;
    MsgBox("The Suit is now " + std::string(core::suitword(suit)), vbOKOnly + vbInformation, "Suit Chage");
}

void crazy8s::Timer3_Timer() {
    Timer3.Enabled = false;
    compturn();
}

void crazy8s::compturn() {
    Command1.Enabled = false;
    const CompTurn turn = computerturn(table);
    for (int card : turn.drawn) {
        Image1[card].Picture = LoadPicture(core::backfile);
        Image1[card].ZOrder(0);
    }
    if (turn.played) {
        fixit(turn.played);
        topile(turn.played);
    }
    lineupcompcards();
    hisset();
    showtags();
    if (turn.played && table.cardrank[turn.played] == kEight)
        MsgBox("The suit is now " + std::string(core::suitword(*table.activesuit)), vbOKOnly + vbInformation, "Suit change");
    enablecards(true);
    if (table.compcount == 0) {
        gameover("You Lost, Keep Playing?");
        return;
    }
    Command1.Enabled = stockusable(table);
}

// Yes deals again; No leaves the finished table with nothing to play until New Game. Either way
// the stock waits for the new deal's own enabling.
void crazy8s::gameover(std::string_view prompt) {
    if (common::playagain(prompt))
        newgame_Click();
    else
        enablecards(false);
    Command1.Enabled = false;
}

// A new deal's stock opens a moment after the deal, unless the user has played meanwhile.
void crazy8s::Timer4_Timer() {
    Timer4.Enabled = false;
    if (userplays) Command1.Enabled = stockusable(table);
}
