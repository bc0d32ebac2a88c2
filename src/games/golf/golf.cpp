#include "games/golf/golf.h"

#include "games/golf/golf_rules.h"

#include "art/deck.h"
#include "common/locks.h"
#include "common/scaling.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/stock.h"

using namespace platform;
using golfrules::kTableCards;
using golfrules::kWasteCard;

namespace {

// The design's client area is 9420 x 6600 twips; the window's size adds its borders, title and menu bar.
constexpr double kCardWidth = 975;
constexpr double kCardHeight = 1335;
// Above the visible area: where the stock cards wait and where the design keeps its spare pictures.
constexpr double kOutOfSight = -1700;
constexpr const char* kFlick = "flick.wav";

}  // namespace

golf::golf() : GameWindow("golf", "golf") {
    design();
    stack();
    on(cardpic.MouseMove, &golf::cardpic_MouseMove);
    on(Image2.DragDrop, &golf::Image2_DragDrop);
    on(deck.Click, &golf::deck_Click);
    on(cardback.Click, &golf::cardback_Click);
    on(new_.Click, &golf::new_Click);
}

// The window as designed. Every card picture stretches from the start, so even the first deal
// shows the cards at their design size instead of the faces' natural size.
void golf::design() {
    Caption = "Golf";
    setClientSize(9420, 6600);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    for (auto& [i, card] : cardpic) {
        card->Stretch = true;
        if (i <= kTableCards)
            card->Move(golfrules::cardLeft(i), golfrules::cardTop(i), kCardWidth, kCardHeight);
        else if (i < kWasteCard)
            card->Move(i == 51 ? 240 : 360, 480, kCardWidth, kCardHeight);
        else
            card->Move(4080, 360, 1455, 1815);
    }
    Image1.Stretch = true;
    Image1.Move(4080, 360, 1455, 1815);
    Image2.Move(3480, 0, 4575, 2295);
    deck.Stretch = true;
    deck.Move(2040, 240, 1365, 1695);
    deck.Picture = platform::Picture(art::deckPicture(1, art::DeckPicture::FullStock));
    halfdeck.Stretch = true;
    halfdeck.Move(5280, kOutOfSight, 1215, 1575);
    halfdeck.Picture = platform::Picture(art::deckPicture(1, art::DeckPicture::HalfStock).scaled(81, 88));
    cardback.Stretch = true;
    cardback.Move(480, 6600, kCardWidth, kCardHeight);
    cardback.Picture = platform::Picture(art::deckPicture(1, art::DeckPicture::Back));
    cardback.Visible = false;
}

// In each column the lower card lies in front of the one above it, so only the bottom card shows
// whole; all table cards lie behind the waste, the stock and the drop zone.
void golf::stack() {
    for (int i = 1; i <= kTableCards; ++i) cardpic[i].ZOrder(1);
}

void golf::Form_Load() {
    core::Randomize();
    common::lockmain();
    begin();
    scaletable(common::setscale(*this, {0.78f, 1.0f}).scale);
    Image2.ZOrder(0);
}

void golf::scaletable(float scale) {
    common::scaleit(*this, scale);
    for (auto& [i, card] : cardpic) common::scaleit(*card, scale);
    common::scaleit(Image1, scale);
    common::scaleit(Image2, scale);
    common::scaleit(deck, scale);
    // The single back stands for the last stock card where the stock was, within reach.
    cardback.Move(deck.Left, deck.Top, deck.Width, deck.Height);
}

void golf::Form_Activate() { common::lockmain(); }

void golf::Form_Unload(int&) { common::releasemain(); }

void golf::begin() {
    restock();
    core::shuffledeck(table.deckorder, table.cardused, kWasteCard);
    lay();
}

void golf::dealKnown(const std::array<std::int16_t, 52>& order) {
    restock();
    for (int k = 1; k <= kWasteCard; ++k) {
        table.deckorder[k] = order[k - 1];
        table.cardused[k] = -1;
    }
    lay();
}

// Everything back on the table, a full stock of sixteen, and only one stock picture showing.
void golf::restock() {
    for (auto& [i, card] : cardpic) card->Visible = true;
    cardback.Visible = false;
    deck.Picture = LoadPicture(core::stockhalf);
    table.cardused.fill(0);
    deck.Visible = true;
}

void golf::lay() {
    golfrules::lay(table);
    for (int k = 1; k <= kWasteCard; ++k) common::cardface(cardpic[k], table.deckorder[k], faces);
    for (int k = golfrules::kFirstStockCard; k < kWasteCard; ++k) cardpic[k].Top = kOutOfSight;
    showwaste();
    showtable();
}

// A card that has left its column is hidden; only the card that shows whole in its column drags.
void golf::showtable() {
    for (int k = 1; k <= kTableCards; ++k) {
        cardpic[k].Visible = golfrules::onTable(table, k);
        cardpic[k].DragMode = golfrules::exposed(table, k) ? vbAutomatic : vbManual;
    }
}

// The waste card shows on the waste pile and on card image 52 behind it.
void golf::showwaste() {
    common::cardface(cardpic[kWasteCard], table.waste, faces);
    Image1.Picture = cardpic[kWasteCard].Picture.get();
}

// The drop zone must win over the top-row cards it overlaps, whatever was brought forward last.
void golf::cardpic_MouseMove(int, int, int, double, double) { Image2.ZOrder(0); }

void golf::Image2_DragDrop(Control& Source, double, double) {
    const int card = Source.Index();
    if (cardpic.exists(card) && &cardpic[card] == &Source && golfrules::play(table, card)) {
        showwaste();
        showtable();
    }
    playsound(kFlick);
}

void golf::deck_Click() {
    playsound(kFlick);
    if (!golfrules::canTurn(table.nextdraw)) return;
    showstock(table.nextdraw, false);
    turn();
}

void golf::cardback_Click() {
    if (!golfrules::canTurn(table.nextdraw)) return;
    showstock(table.nextdraw, true);
    turn();
    if (table.nextdraw >= 51) cardback.Visible = false;
}

// The stock picture for the cards that the turn of card p leaves.
void golf::showstock(int p, bool fromBack) {
    switch (golfrules::stockView(p + 1)) {
    case golfrules::StockView::Half:
        return;
    case golfrules::StockView::Thin:
        deck.Picture = fromBack ? halfdeck.Picture.get() : LoadPicture(core::stockthin);
        return;
    case golfrules::StockView::Back:
    case golfrules::StockView::Spent:
        deck.Visible = false;
        cardback.Visible = true;
        return;
    }
}

void golf::turn() {
    golfrules::turnStock(table);
    showwaste();
}

void golf::new_Click() { begin(); }
