#include "games/towers-foreaft/towers.h"

#include "art/towers_foreaft.h"
#include "common/locks.h"
#include "common/question.h"
#include "common/rules.h"
#include "common/scaling.h"
#include "common/sound.h"
#include "core/numbers.h"
#include "platform/files.h"

#include <string>

using namespace platform;

namespace {

constexpr const char* kSwitch = "hanoi";
constexpr float kSmallScale = 0.78f;
// What the small screen adds to the scaled window, unscaled.
constexpr double kSmallExtraWidth = 800;
constexpr double kSmallExtraHeight = 200;

}  // namespace

towers::towers(int n) : piece(*this, 1, n), design_(towersrules::design(n)) {
    table.n = n;
    Caption = "Towers of Hanoi";
    BackColor = vbBlack;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    for (int p = 1; p <= towersrules::kPegs; ++p)
        Image1[p].Move(towersrules::pegLeft(p), towersrules::kPegTop, towersrules::kPegWidth, towersrules::kPegHeight);
    for (int d = 1; d <= n; ++d) {
        piece[d].Stretch = true;
        piece[d].Move(design_.left[d][1], design_.top[n + 1 - d], design_.disc[d].width, design_.disc[d].height);
    }
    for (TextBox* box : {&Text1, &Text2, &txtres}) box->Visible = false;
    RichTextBox9.Visible = false;
    on(piece.MouseMove, &towers::piece_MouseMove);
    on(Image1.DragDrop, &towers::Image1_DragDrop);
}

void towers::connect(const Items& items) {
    setClientSize(design_.client.width, design_.client.height);
    onsound_ = &items.onsound;
    off_ = &items.off;
    on(items.newgame1.Click, &towers::newgame1_Click);
    on(items.exit.Click, &towers::exit_Click);
    on(items.onsound.Click, &towers::onsound_Click);
    on(items.off.Click, &towers::off_Click);
    on(items.rules.Click, &towers::rules_Click);
}

towers1::towers1() : towers(4) { connect({newgame1, exit, onsound, off, rules}); }
towers2::towers2() : towers(5) { connect({newgame1, exit, onsound, offsound, rules}); }
towers3::towers3() : towers(6) { connect({newgame1, exit, onsound, off, rules}); }

void towers::Form_Load() {
    common::lockmain();
    common::soundswitch(RichTextBox9, *onsound_, *off_, kSwitch);
    scale = common::setscale(txtres, {kSmallScale, 1.0f}).scale;
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

void towers::piece_MouseMove(int Index, int, int, double, double) {
    Text1.Text = std::to_string(Index);
    Text2.Text = std::to_string(table.piecepeg[Index]);
}

// The win question follows every drop on a peg, refused or not, so after a No it comes again.
void towers::Image1_DragDrop(int Index, Control&, double, double) {
    const int d = core::toInt(Text1.Text.get(), 0);
    if (towersrules::drop(table, d, core::toInt(Text2.Text.get(), 0), Index)) {
        common::playsound(RichTextBox9, player, "flick.wav");
        showdrag();
        piece[d].Left = towersrules::discLeft(design_, d, Index, scale);
        piece[d].Top = towersrules::discTop(design_, table.pegcount[Index], scale);
    }
    if (towersrules::won(table) && common::playagain("You Win! Play again?")) newgame();
}

void towers::newgame1_Click() { newgame(); }

void towers::exit_Click() { Unload(); }

void towers::onsound_Click() { common::setsound(RichTextBox9, *onsound_, *off_, kSwitch, true); }

void towers::off_Click() { common::setsound(RichTextBox9, *onsound_, *off_, kSwitch, false); }

void towers::rules_Click() { common::showrules("hanoi"); }
