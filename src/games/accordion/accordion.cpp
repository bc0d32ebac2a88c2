#include "games/accordion/accordion.h"

#include "games/accordion/accordion_rules.h"

#include "common/locks.h"
#include "common/scaling.h"
#include "core/chance.h"
#include "core/deck.h"
#include "core/stock.h"
#include "platform/files.h"

#include <string>

using namespace platform;
using accordionrules::kOffTable;
using accordionrules::kSlots;

namespace {

constexpr double kCardWidth = 975;
constexpr double kCardHeight = 1215;
// Where the design keeps the row, above the client area.
constexpr double kDesignRowTop = -1575;
constexpr const char* kFlick = "flick.wav";

double designRowLeft(int k) {
    if (k == 2) return 1560;
    if (k == 11) return 1440;
    return 1320;
}

}  // namespace

Accordian::Accordian() : GameWindow("accordian", "accordian") {
    design();
    on(deck.Click, &Accordian::deck_Click);
    on(Image.DragDrop, &Accordian::Image_DragDrop);
    // The last position has nothing to its right that could land on it.
    Image[kSlots].DragDrop = nullptr;
    on(newgame.Click, &Accordian::newgame_Click);
}

void Accordian::design() {
    Caption = "Accordion";
    Move(1140, 735, 11700, 10155);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    for (auto& [k, slot] : cardpic) {
        slot->Stretch = true;
        slot->Move(designRowLeft(k), kDesignRowTop, kCardWidth, kCardHeight);
    }
    deck.Stretch = true;
    deck.Move(360, 120, 1365, 1695);
    for (auto& [k, image] : Image) {
        image->Stretch = true;
        image->Move(designRowLeft(k), kDesignRowTop, kCardWidth, kCardHeight);
    }
}

void Accordian::Form_Load() {
    core::Randomize();
    common::lockmain();
    // The window's height gains 1500 design twips that scale with it.
    Height = Height + 1500;
    const core::ScaleChoice choice = common::setscale(*this, {0.77f, 0.78f, {2000, 800}});
    screen = choice.kind;
    table.scale = choice.scale;
    sizewindow(choice);
    for (auto& [k, slot] : cardpic) common::scaleit(*slot, table.scale);
    common::scaleit(deck, table.scale);
    for (auto& [k, image] : Image) common::scaleit(*image, table.scale);
    begin();
}

// The window's own formula: the height, with its 1500 design twips, less 1000 at full size; at
// 640 x 480 fixed amounts are added after the scaling.
void Accordian::sizewindow(const core::ScaleChoice& choice) {
    const double scale = choice.scale;
    Width = Width * scale;
    Top = Top * scale;
    Left = Left * scale;
    Height = Height * scale;
    if (choice.kind == core::ScreenKind::Other) Height = Height - 1000;
    if (choice.kind == core::ScreenKind::At640x480) {
        Height = Height + 800;
        Width = Width + 2000;
    }
}

void Accordian::Form_Activate() { common::lockmain(); }

void Accordian::Form_Unload(int&) { common::releasemain(); }

void Accordian::begin() {
    core::shuffledeck(table.deckorder, table.cardused, kSlots);
    lay();
}

void Accordian::dealKnown(const std::array<std::int16_t, 52>& order) {
    for (int k = 1; k <= kSlots; ++k) {
        table.deckorder[k] = order[k - 1];
        table.cardused[k] = -1;
    }
    lay();
    reveal();
}

// Everything of a new deal but the shuffle: the stock full, every card in the stock, the slots
// and the row off the table. Only the stock's visibility changes.
void Accordian::lay() {
    movable();
    accordionrules::lay(table);
    deck.Picture = LoadPicture(core::stockfull);
    deck.Visible = true;
    showslots();
    for (auto& [k, image] : Image) image->Top = kOffTable;
    setpics();
}

void Accordian::movable() {
    for (int k = 2; k <= kSlots; ++k) Image[k].DragMode = vbAutomatic;
}

// After New Game every position shows again, out of sight until the stock deals into it.
void Accordian::reveal() {
    accordionrules::showall(table);
    showslots();
    mirrorvisibility(1);
}

// The slots take the table's records and places: face, position, visibility.
void Accordian::showslots() {
    for (auto& [k, slot] : cardpic) {
        const accordionrules::Record& record = table.slot[k];
        const accordionrules::Place& place = table.place[k];
        common::cardface(*slot, record.card, faces);
        slot->Move(place.Left, place.Top);
        slot->Visible = place.Visible;
    }
}

// Each row image shows the very picture of its slot.
void Accordian::setpics() {
    for (auto& [k, image] : Image) image->Picture = cardpic[k].Picture.get();
}

void Accordian::mirrorvisibility(int lowest) {
    for (int k = kSlots; k >= lowest; --k) Image[k].Visible = cardpic[k].Visible.get();
}

// Each row image lies in front of its own slot, of the stock and of every lower-numbered one.
void Accordian::rowtofront() {
    for (auto& [k, image] : Image) image->ZOrder(0);
}

void Accordian::deck_Click() {
    playsound(kFlick);
    const accordionrules::Dealt dealt = accordionrules::dealone(table);
    const std::string_view pile = accordionrules::stockpicture(table.dealtcount);
    if (pile.empty())
        deck.Visible = false;
    else if (pile != core::stockfull)
        deck.Picture = LoadPicture(pile);
    showslots();
    if (dealt.reshown) mirrorvisibility(2);
    for (auto& [k, image] : Image) image->Move(cardpic[k].Left, cardpic[k].Top);
    rowtofront();
}

// One routine serves the drops on Image1 to Image51: the dragged row image's index names its pile,
// whose card the table holds. Anything else dropped moves nothing.
void Accordian::Image_DragDrop(int Index, Control& Source, double, double) {
    const int from = Source.Index();
    if (Image.exists(from) && &Image[from] == &Source && accordionrules::drop(table, Index, from)) closegap();
    setpics();
}

// An accepted move: its sound, the slots after the move, and the row in front of them (the drop
// handler copies the pictures). Position 1 is never emptied, so Image1 keeps its visibility; from
// now on it drags as well.
void Accordian::closegap() {
    playsound(kFlick);
    showslots();
    mirrorvisibility(2);
    for (auto& [k, image] : Image) image->DragMode = vbAutomatic;
    rowtofront();
}

void Accordian::newgame_Click() {
    begin();
    reveal();
}

