#include "games/smallsolitaires/interlockpuzzle.h"

#include "games/smallsolitaires/interlock_rules.h"

#include "common/locks.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/chance.h"
#include "platform/boxes.h"

#include <string>

using namespace platform;
using namespace interlockrules;

namespace {

constexpr const char* kCellPicture = "\\Images\\darkred.bmp";
constexpr const char* kFlick = "flick.wav";
constexpr const char* kYouWin = "You Win";

}  // namespace

interlockpuzzle::interlockpuzzle() : GameWindow("interlock", "interlockpuzzle") {
    design();
    on(Image1.Click, &interlockpuzzle::Image1_Click);
    on(newgame.Click, &interlockpuzzle::newgame_Click);
}

// The card images do not stretch at first, so the first deal gives them, and the cells after
// them, the faces' own size.
void interlockpuzzle::design() {
    Caption = "Interlock Puzzle";
    setClientSize(5895, 5940);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    for (auto& [c, cell] : Image2) {
        const Place at = cellPlace(c);
        cell->Stretch = true;
        cell->Move(at.Left, at.Top, 1455, 1935);
    }
    for (auto& [k, card] : Image1) card->Move(1200, 480, 1455, 1935);
}

void interlockpuzzle::Form_Load() {
    core::Randomize();
    common::lockmain();
    makecards();
    setcards();
    const float scale = common::setscale(*this, {0.78f, 1.0f}).scale;
    common::scaleit(*this, scale);
    for (auto& [k, card] : Image1) {
        card->Stretch = true;
        common::scaleit(*card, scale);
    }
    for (auto& [c, cell] : Image2) common::scaleit(*cell, scale);
}

void interlockpuzzle::Form_Activate() { common::lockmain(); }

void interlockpuzzle::Form_Unload(int&) { common::releasemain(); }

void interlockpuzzle::makecards() {
    interlockrules::makecards(table);
    showfaces();
}

void interlockpuzzle::dealKnown(int blank, const std::array<std::int16_t, 8>& faces) {
    deal(table, blank, faces);
    showfaces();
    setcards();
}

// Each card image shows its face, and every cell takes a card's size and the dark red picture.
void interlockpuzzle::showfaces() {
    for (auto& [k, card] : Image1) {
        card->Picture = LoadPicture(core::facefile(table.deckorder[k]));
        Image2[k].Move(Image2[k].Left, Image2[k].Top, card->Width, card->Height);
        Image2[k].Picture = LoadPicture(kCellPicture);
    }
    Image2[kCells].Move(Image2[kCells].Left, Image2[kCells].Top, Image1[1].Width, Image1[1].Height);
    Image2[kCells].Picture = LoadPicture(kCellPicture);
}

// Each card onto its cell, in front of it.
void interlockpuzzle::setcards() {
    for (auto& [k, card] : Image1) {
        const int cell = table.tag[k];
        card->Move(Image2[cell].Left, Image2[cell].Top);
        card->ZOrder(0);
        card->Tag = std::to_string(cell);
    }
}

void interlockpuzzle::Image1_Click(int Index) {
    if (click(table, Index)) {
        const int cell = table.tag[Index];
        Image1[Index].Tag = std::to_string(cell);
        Image1[Index].Move(Image2[cell].Left, Image2[cell].Top);
        Image1[Index].ZOrder(0);
        playsound(kFlick);
    }
    if (solved(table)) MsgBox(kYouWin, vbOKOnly + vbInformation, kYouWin);
}

void interlockpuzzle::newgame_Click() {
    makecards();
    setcards();
}
