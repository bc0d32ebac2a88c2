#include "games/smallsolitaires/calculation.h"

#include "games/smallsolitaires/calculation_rules.h"

#include "common/locks.h"
#include "common/question.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/numbers.h"
#include "core/stock.h"
#include "platform/services.h"

#include <algorithm>
#include <string>

using namespace platform;
using namespace calculationrules;

namespace {

constexpr double kPileLefts[] = {0, 3120, 4800, 6480, 8040};
constexpr double kPileTop = 2400;
constexpr double kFoundationTop = 360;
constexpr double kCardWidth = 1335;
constexpr double kCardHeight = 1815;
constexpr const char* kFlick = "flick.wav";

}  // namespace

calculation::calculation() : GameWindow("calculation", "calculation") {
    design();
    on(deckpic.Click, &calculation::deckpic_Click);
    on(Image1.DragDrop, &calculation::Image1_DragDrop);
    on(Image2.DragDrop, &calculation::Image2_DragDrop);
    on(Image3.DragDrop, &calculation::Image3_DragDrop);
    on(newgame.Click, &calculation::newgame_Click);
}

Shape& calculation::marker(int p) {
    Shape* markers[] = {&Shape1, &Shape2, &Shape3, &Shape4};
    return *markers[p - 1];
}

void calculation::design() {
    Caption = "Calculation";
    setClientSize(10470, 8655);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    for (int p = 1; p <= kPiles; ++p) {
        Image2[p].Move(kPileLefts[p], kPileTop, kCardWidth, 6135);
        Shape& m = marker(p);
        m.Move(kPileLefts[p], kPileTop, 1095, 1455);
        m.FillStyle = vbFSDiagonalCross;
        m.FillColor = RGB(255, 0, 0);
        m.BorderColor = RGB(64, 0, 0);
        Image3[p].Stretch = true;
        Image3[p].Move(kPileLefts[p], kFoundationTop, kCardWidth, 1695);
    }
    deckpic.Stretch = true;
    deckpic.Move(720, 360, 1365, 1695);
    for (auto& [i, card] : Image1) {
        card->Stretch = true;
        card->Move(720, kParkedTop, kCardWidth, kCardHeight);
    }
}

void calculation::Form_Load() {
    core::Randomize();
    startmeup();
    common::lockmain();
    const core::ScaleChoice choice = common::setscale(*this, {0.76f, 0.9f, {0, 1000}});
    scale = choice.scale;
    screen = choice.kind;
    scaletable();
}

void calculation::scaletable() {
    common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) Height = Height + 1000;
    for (auto& [i, card] : Image1) common::scaleit(*card, scale);
    for (auto& [p, slot] : Image2) common::scaleit(*slot, scale);
    for (auto& [f, foundation] : Image3) common::scaleit(*foundation, scale);
    for (int p = 1; p <= kPiles; ++p) common::scaleit(marker(p), scale);
    common::scaleit(deckpic, scale);
}

void calculation::Form_Activate() { common::lockmain(); }

void calculation::Form_Unload(int&) { common::releasemain(); }

void calculation::startmeup() {
    calculationrules::startmeup(table);
    lay();
}

void calculation::dealKnown(const std::array<std::int16_t, 52>& order) {
    calculationrules::startmeup(table, order);
    lay();
}

// Every card out of sight with its face, the foundations showing their starters and open again,
// the stock full.
void calculation::lay() {
    for (auto& [i, card] : Image1) {
        card->Top = kParkedTop;
        card->Picture = LoadPicture(core::facefile(table.deckorder[i]));
    }
    for (auto& [f, foundation] : Image3) foundation->Picture = Image1[f].Picture.get();
    deckpic.Picture = LoadPicture(core::stockfull);
    deckpic.Visible = true;
    showtable();
}

// The table's tags, drag rights, empty piles and closed foundations onto the controls.
void calculation::showtable() {
    for (auto& [i, card] : Image1) {
        card->Tag = std::to_string(table.tag[i]);
        card->DragMode = table.draggable[i] ? vbAutomatic : vbManual;
    }
    for (int p = 1; p <= kPiles; ++p) marker(p).Visible = table.pilecount[p] == 0;
    for (auto& [f, foundation] : Image3) foundation->Enabled = !table.closed[f];
}

// The card dragged, 0 when what was dropped is no card.
int calculation::dragged(const Control& Source) const {
    const int d = Source.Index();
    return Image1.exists(d) && &Image1[d] == &Source ? d : 0;
}

// The card that has just joined pile p lies below the one before, in front of it.
void calculation::topile(int d, int p) {
    Image1[d].ZOrder(0);
    laypile(p);
}

// Every card of pile p at its place down the fan, which narrows as the pile grows long.
void calculation::laypile(int p) {
    const double slotTop = Image2[p].Top;
    const double step = pileStep(slotTop, table.pilecount[p], lowestpiletop());
    for (int i = 1; i <= kCards; ++i)
        if (const int place = pileplace(table, i, p); place >= 0) Image1[i].Move(Image2[p].Left, slotTop + step * place);
}

// A long pile's top card lies no lower than where it still shows whole: at the client area's
// bottom, or at the screen's where the window is taller than the screen.
double calculation::lowestpiletop() const {
    const double frame = Height - ScaleHeight();
    return std::min(ScaleHeight(), screenHeightTwips() - frame) - Image1[1].Height;
}

void calculation::deckpic_Click() {
    const int d = turnstock(table);
    if (d == 0) return;
    Image1[d].Move(core::scaled(kTurnLeft, scale), core::scaled(kTurnTop, scale));
    Image1[d].ZOrder(0);
    showtable();
    playsound(kFlick);
    const std::string_view view = stockview(table.turned);
    if (view.empty())
        deckpic.Visible = false;
    else if (view != core::stockfull)
        deckpic.Picture = LoadPicture(view);
}

void calculation::Image1_DragDrop(int Index, Control& Source, double, double) {
    const int d = dragged(Source);
    if (d == 0) return;
    const CardDrop drop = ontocard(table, d, Index);
    if (drop.flick) playsound(kFlick);
    if (drop.pile != 0) topile(d, drop.pile);
    showtable();
}

void calculation::Image2_DragDrop(int Index, Control& Source, double, double) {
    const int d = dragged(Source);
    if (!ontopile(table, d, Index)) return;
    playsound(kFlick);
    topile(d, Index);
    showtable();
}

void calculation::Image3_DragDrop(int Index, Control& Source, double, double) {
    const int d = dragged(Source);
    const int from = d == 0 ? 0 : pileof(table.tag[d]);
    if (!ontofoundation(table, d, Index)) return;
    playsound(kFlick);
    Image1[d].Top = kParkedTop;
    // The pile it left opens its fan again as far as it may.
    if (from != 0) laypile(from);
    Image3[Index].Picture = Image1[d].Picture.get();
    showtable();
    if (won(table) && common::playagain("You Win! Play again?")) newgame_Click();
}

void calculation::newgame_Click() { startmeup(); }
