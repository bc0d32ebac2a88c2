#include "games/towers-foreaft/towers.h"

#include "art/towers_foreaft.h"
#include "common/locks.h"
#include "common/question.h"
#include "common/scaling.h"

using namespace platform;

namespace {

constexpr float kSmallScale = 0.78f;
// What the small screen adds to the scaled window, unscaled.
constexpr double kSmallExtraWidth = 800;
constexpr double kSmallExtraHeight = 200;

}  // namespace

towers::towers(int n) : GameWindow("hanoi", "hanoi"), piece(*this, 1, n), design_(towersrules::design(n)) {
    table.n = n;
    Caption = "Towers of Hanoi";
    BackColor = vbBlack;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    // The client area holds below the menu bar.
    setClientSize(design_.client.width, design_.client.height);
    for (int p = 1; p <= towersrules::kPegs; ++p)
        Image1[p].Move(towersrules::pegLeft(p), towersrules::kPegTop, towersrules::kPegWidth, towersrules::kPegHeight);
    for (int d = 1; d <= n; ++d) {
        piece[d].Stretch = true;
        piece[d].Move(design_.left[d][1], design_.top[n + 1 - d], design_.disc[d].width, design_.disc[d].height);
    }
    on(Image1.DragDrop, &towers::Image1_DragDrop);
    on(newgame1.Click, &towers::newgame1_Click);
}

void towers::Form_Load() {
    common::lockmain();
    scale = common::setscale(*this, {kSmallScale, 1.0f}).scale;
    common::scaleit(*this, scale);
    if (scale == kSmallScale) {
        Height = Height + kSmallExtraHeight;
        Width = Width + kSmallExtraWidth;
    }
    const platform::Picture peg(art::hanoiPeg());
    for (auto& [p, image] : Image1) {
        image->Stretch = true;
        image->Picture = peg;
        common::scaleit(*image, scale);
    }
    for (auto& [d, disc] : piece) {
        disc->Picture = platform::Picture(art::hanoiDisc(d));
        common::scaleit(*disc, scale);
    }
    newgame();
}

void towers::Form_Activate() { common::lockmain(); }

void towers::Form_Unload(int&) { common::releasemain(); }

void towers::newgame() {
    towersrules::newgame(table);
    for (auto& [d, disc] : piece) {
        disc->Left = towersrules::discLeft(design_, d, 1, scale);
        disc->Top = towersrules::discTop(design_, table.n + 1 - d, scale);
    }
    showdrag();
}

// Only the top disc of each peg can be picked up.
void towers::showdrag() {
    for (auto& [d, disc] : piece) disc->DragMode = towersrules::draggable(table, d) ? vbAutomatic : vbManual;
}

// The dropped disc is the one dragged. The win question follows every drop on a peg, refused or
// not, so after a No it comes again.
void towers::Image1_DragDrop(int Index, Control& Source, double, double) {
    const int d = Source.Index();
    const bool disc = piece.exists(d) && &piece[d] == &Source;
    if (disc && towersrules::drop(table, d, table.piecepeg[d], Index)) {
        playsound("flick.wav");
        showdrag();
        piece[d].Left = towersrules::discLeft(design_, d, Index, scale);
        piece[d].Top = towersrules::discTop(design_, table.pegcount[Index], scale);
    }
    if (towersrules::won(table) && common::playagain("You Win! Play again?")) newgame();
}

void towers::newgame1_Click() { newgame(); }
