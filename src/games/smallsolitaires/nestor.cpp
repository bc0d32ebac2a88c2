#include "games/smallsolitaires/nestor.h"

#include "games/smallsolitaires/nestor_rules.h"

#include "common/locks.h"
#include "common/question.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/rndnum.h"

#include <string>

using namespace platform;
using namespace nestorrules;

namespace {

constexpr const char* kFlick = "flick.wav";

}  // namespace

nestor::nestor() : GameWindow("nestor", "nestor") {
    design();
    on(Image1.DragDrop, &nestor::Image1_DragDrop);
    on(new_.Click, &nestor::new_Click);
}

// The card images do not stretch at first, so the first deal gives them the faces' own size.
void nestor::design() {
    Caption = "Nestor";
    setClientSize(11685, 8370);
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
}

void nestor::Form_Load() {
    core::Randomize();
    common::lockmain();
    const core::ScaleChoice choice = common::setscale(*this, {0.78f, 0.9f, {1500, 300}});
    scale = choice.scale;
    common::scaleit(*this, scale);
    if (choice.kind == core::ScreenKind::At640x480) {
        Width = Width + 1500;
        Height = Height + 300;
    }
    startup();
    for (auto& [p, card] : Image1) {
        card->Stretch = true;
        card->Height = card->Height * double(scale);
        card->Width = card->Width * double(scale);
    }
}

void nestor::Form_Activate() { common::lockmain(); }

void nestor::Form_Unload(int&) { common::releasemain(); }

void nestor::startup() {
    setcards(table, [](int n) { return core::rndnum(n); });
    lay();
}

void nestor::dealKnown(const std::array<std::int16_t, 52>& order) {
    setdeal(table, order);
    lay();
}

// Every card shown with its face at its place in the columns or the reserve.
void nestor::lay() {
    nestorrules::lay(table);
    for (auto& [p, card] : Image1) {
        card->DragMode = vbManual;
        card->Picture = LoadPicture(core::facefile(table.deckorder[p]));
        card->Visible = true;
        const Place at = place(p, scale);
        card->Move(at.Left, at.Top);
    }
    showdepths();
}

// The depths into the tags; only free cards drag.
void nestor::showdepths() {
    for (auto& [p, card] : Image1) {
        card->Tag = std::to_string(table.depth[p]);
        card->DragMode = draggable(table, p) ? vbAutomatic : vbManual;
    }
}

// The card dragged is the one the drop names.
void nestor::Image1_DragDrop(int Index, Control& Source, double, double) {
    const int d = Source.Index();
    if (!Image1.exists(d) || &Image1[d] != &Source || !removepair(table, d, Index)) return;
    playsound(kFlick);
    for (int gone : {d, Index}) {
        Image1[gone].Visible = false;
        Image1[gone].Move(kRemoved.Left, kRemoved.Top);
    }
    showdepths();
    if (won(table) && common::playagain("You Win! Play again?")) startup();
}

void nestor::new_Click() { startup(); }
