#include "games/fortythieves/fortythieves.h"

#include "games/fortythieves/fortythieves_rules.h"

#include "common/locks.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/stock.h"
#include "platform/files.h"
#include "platform/services.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace platform;
namespace ft = fortythievesrules;
using ft::kCards;
using ft::kColumns;

namespace {

// A face's size: what a card keeps when its face file cannot be read.
constexpr double kCardWidth = 1065;
constexpr double kCardHeight = 1440;
constexpr double kDropAreaWidth = 1455;
constexpr double kDropAreaHeight = 7215;
constexpr double kWindowWidth = 12600;
constexpr double kWindowHeight = 8310;
// At 640 x 480 the window gains this height after scaling; its width always ends this far right
// of the last column.
constexpr double kSmallScreenExtraHeight = 1000;
constexpr double kRightMargin = 400;
constexpr const char* kFlick = "flick.wav";
constexpr const char* kSwitch = "fortythieves";
constexpr const char* kRulesPage = "fortythieves";
constexpr const char* kEmptyFoundation = "\\Images\\maroon.bmp";

}  // namespace

fortythieves::fortythieves() : GameWindow(kSwitch, kRulesPage) {
    design();
    on(Image1.DragDrop, &fortythieves::Image1_DragDrop);
    on(Image2.DragDrop, &fortythieves::Image2_DragDrop);
    on(blankslot.DragDrop, &fortythieves::blankslot_DragDrop);
    on(slot.DragDrop, &fortythieves::slot_DragDrop);
    on(deckpic.Click, &fortythieves::deckpic_Click);
    on(newgame.Click, &fortythieves::newgame_Click);
    on(deal.Click, &fortythieves::deal_Click);
}

// The window as designed. It opens centred once the load has sized it.
void fortythieves::design() {
    Caption = "Forty Thieves";
    Move(-195, 495, kWindowWidth, kWindowHeight);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    const ft::Place parking = ft::parkingplace(1);
    for (auto& [k, card] : Image1) {
        card->Move(parking.Left, parking.Top, kCardWidth, kCardHeight);
        card->Visible = false;
    }
    for (auto& [k, area] : Image2) area->Move(0, 0, kDropAreaWidth, kDropAreaHeight);
    for (auto& [k, placeholder] : blankslot) {
        placeholder->Stretch = true;
        const ft::Place place = ft::placeholderplace(k, 1);
        placeholder->Move(place.Left, place.Top, kCardWidth, kCardHeight);
    }
    for (auto& [k, foundation] : slot) {
        foundation->Stretch = true;
        const ft::Place place = ft::foundationplace(k, 1);
        foundation->Move(place.Left, place.Top);
    }
    deckpic.Stretch = true;
    deckpic.Move(360, 360, 1365, 1695);
    deckpic.Enabled = false;
    deal.Enabled = false;
}

void fortythieves::Form_Load() {
    common::lockmain();
    core::Randomize();
    ft::clearmarks(table);
    // The cards take their faces' own size here; they stretch from the scaling on.
    shuffle();
    ft::startvalues(table);
    deckpic.Picture = LoadPicture(core::stockfull);
    placeholders();
    for (auto& [k, foundation] : slot) {
        foundation->Height = Image1[1].Height.get();
        foundation->Width = Image1[1].Width.get();
    }
    const core::ScaleChoice choice = common::setscale(*this, {0.7f, 0.87f, {0, kSmallScreenExtraHeight}});
    table.scale = choice.scale;
    scaletable(choice.kind);
    ft::park(table);
    deal_Click();
    Width = Image1[kColumns].Left + Image1[kColumns].Width + kRightMargin;
}

void fortythieves::scaletable(core::ScreenKind screen) {
    const float scale = table.scale;
    common::scaleit(*this, scale);
    if (screen == core::ScreenKind::At640x480) Height = Height + kSmallScreenExtraHeight;
    for (auto& [k, card] : Image1) {
        card->Stretch = true;
        common::scaleit(*card, scale);
    }
    for (auto& [k, area] : Image2) common::scaleit(*area, scale);
    for (auto& [k, placeholder] : blankslot) common::scaleit(*placeholder, scale);
    for (auto& [k, foundation] : slot) common::scaleit(*foundation, scale);
    common::scaleit(deckpic, scale);
}

void fortythieves::Form_Activate() { common::lockmain(); }

void fortythieves::Form_Unload(int&) { common::releasemain(); }

void fortythieves::shuffle() {
    ft::makecards(table);
    showfaces(1, ft::kDeckCards);
    deckpic.ZOrder(0);
    ft::makecards2(table);
    showfaces(ft::kDeckCards + 1, kCards);
    deckpic.ZOrder(0);
}

// A missing face file leaves its card without a picture, at its size, still in play.
void fortythieves::showfaces(int from, int to) {
    for (int k = from; k <= to; ++k) Image1[k].Picture = LoadPicture(core::facefile(table.deckorder[k]));
}

// Each placeholder where its column's first card lies, its drop area from the same corner, and the
// placeholders in front of the cards until the deal lays the cards over them.
void fortythieves::placeholders() {
    for (auto& [k, placeholder] : blankslot) {
        const ft::Place place = ft::placeholderplace(k, table.scale);
        placeholder->Move(place.Left, place.Top, ft::twips(kCardWidth, table.scale),
                          ft::twips(kCardHeight, table.scale));
        Image2[k].Move(place.Left, place.Top);
        placeholder->ZOrder(0);
    }
}

void fortythieves::deal_Click() {
    deal.Enabled = false;
    newgame.Enabled = true;
    for (auto& [k, foundation] : slot) foundation->Picture = LoadPicture(kEmptyFoundation);
    reallydeal();
}

void fortythieves::reallydeal() {
    ft::deal(table);
    showtable();
    deckpic.Enabled = true;
}

void fortythieves::newgame_Click() {
    clearthetable();
    shuffle();
    redeal();
}

void fortythieves::dealKnown(const std::array<std::int16_t, kCards>& order) {
    clearthetable();
    core::knowndeal(table.deckorder, table.cardused, order);
    for (int k = 1; k <= kCards; ++k) ft::givecard(table, k, table.deckorder[k]);
    showfaces(1, kCards);
    redeal();
}

void fortythieves::clearthetable() {
    ft::park(table);
    ft::clearmarks(table);
    deckpic.Picture = LoadPicture(core::stockfull);
}

void fortythieves::redeal() {
    ft::startvalues(table);
    deckpic.Visible = true;
    placeholders();
    deal_Click();
}

// The cards as the table has them, brought forward in the order the table brought them forward:
// a foundation in front of the cards it holds, a column's later cards in front of earlier ones.
void fortythieves::showtable() {
    std::vector<std::pair<int, Control*>> raised;
    for (auto& [k, image] : Image1) {
        const ft::Card& card = table.card[k];
        image->Move(card.Left, card.Top);
        image->Visible = card.Visible;
        image->DragMode = card.draggable ? vbAutomatic : vbManual;
        if (card.raised > shownraise) raised.emplace_back(card.raised, image.get());
    }
    for (auto& [k, foundation] : slot)
        if (table.slotraised[k] > shownraise) raised.emplace_back(table.slotraised[k], foundation.get());
    std::ranges::sort(raised, {}, &std::pair<int, Control*>::first);
    for (const auto& [when, control] : raised) control->ZOrder(0);
    shownraise = table.raisecount;
    fitcolumns();
}

// The design's height shows a column of about a dozen cards. A deeper column grows the window
// downward, and up the screen where it must, so that its top card stays in sight and in reach.
void fortythieves::fitcolumns() {
    double bottom = 0;
    for (int c = 1; c <= kColumns; ++c)
        for (int k : ft::columncards(table, c)) bottom = std::max(bottom, Image1[k].Top + Image1[k].Height);
    const double missing = bottom - ScaleHeight();
    if (missing <= 0) return;
    const double screen = screenHeightTwips();
    Height = std::min(Height + missing, screen);
    if (Top + Height > screen) Top = std::max(0.0, screen - Height);
}

// The card being dropped, as the drop names it; 0 for anything that is not one of the cards.
int fortythieves::dragged(const Control& source) const {
    const int k = source.Index();
    return Image1.exists(k) && &Image1[k] == &source ? k : 0;
}

void fortythieves::flick() { playsound(kFlick); }

void fortythieves::deckpic_Click() {
    if (ft::turn(table) == 0) return;
    if (const auto pile = ft::stockchange(table.stockleft)) {
        if (pile->empty())
            deckpic.Visible = false;
        else
            deckpic.Picture = LoadPicture(*pile);
    }
    flick();
    showtable();
}

void fortythieves::Image1_DragDrop(int Index, Control& Source, double, double) {
    if (ft::droponcard(table, dragged(Source), Index)) flick();
    showtable();
}

void fortythieves::Image2_DragDrop(int Index, Control& Source, double, double) {
    if (ft::droponcolumn(table, dragged(Source), Index)) flick();
    showtable();
}

// Any free card starts an empty column, silently.
void fortythieves::blankslot_DragDrop(int Index, Control& Source, double, double) {
    ft::droponplaceholder(table, dragged(Source), Index);
    showtable();
}

void fortythieves::slot_DragDrop(int Index, Control& Source, double, double) {
    const int d = dragged(Source);
    if (ft::droponfoundation(table, d, Index)) {
        slot[Index].Picture = Image1[d].Picture.get();
        flick();
    }
    showtable();
}
