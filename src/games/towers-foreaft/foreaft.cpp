#include "games/towers-foreaft/foreaft.h"

#include "art/towers_foreaft.h"
#include "common/locks.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/numbers.h"

using namespace platform;
using foreaftrules::MoveKind;

namespace {

constexpr const char* kBackwards = "\\backwards.dat";
constexpr const char* kWhite = "\\Images\\white.bmp";
// Where the design puts the client area: the window is not centred.
constexpr double kClientLeft = 4290;
constexpr double kClientTop = 2055;

struct GridLine {
    double x1, y1, x2, y2;
};
// Along the cells' edges: the columns, then the rows.
constexpr GridLine kGrid[] = {
    {600, 480, 600, 2640},    {1320, 480, 1320, 2640},  {2040, 480, 2040, 4080},  {2760, 480, 2760, 4080},
    {3480, 1920, 3480, 4080}, {4200, 1920, 4200, 4080}, {600, 480, 2760, 480},    {600, 1200, 2760, 1200},
    {600, 1920, 4200, 1920},  {600, 2640, 4200, 2640},  {2040, 3360, 4200, 3360}, {2040, 4080, 4200, 4080},
};

}  // namespace

foreaft::foreaft() : GameWindow("foreaft", "foreaft") {
    help.Visible = false;
    design();
    on(picture2.Click, &foreaft::picture2_Click);
    on(Timer1.Tick, &foreaft::Timer1_Timer);
    on(Timer2.Tick, &foreaft::Timer2_Timer);
    on(new_.Click, &foreaft::new_Click);
    on(backwordsmoves.Click, &foreaft::backwordsmoves_Click);
    on(nobackwardsmoves.Click, &foreaft::nobackwardsmoves_Click);
}

void foreaft::design() {
    Caption = "Fore and Aft";
    BackColor = vbBlack;
    MousePointer = vbCustom;
    setClientSize(4725, 4575);
    const double side = (Width - ScaleWidth()) / 2;
    Move(kClientLeft - side, kClientTop - (Height - ScaleHeight() - side));
    for (auto& [c, cell] : Picture1) {
        cell->Stretch = true;
        cell->Move(foreaftrules::cellLeft(c), foreaftrules::cellTop(c), foreaftrules::kCellSize, foreaftrules::kCellSize);
    }
    for (auto& [i, line] : Line1) {
        const GridLine& g = kGrid[i - 1];
        line->X1 = g.x1;
        line->Y1 = g.y1;
        line->X2 = g.x2;
        line->Y2 = g.y2;
        line->BorderColor = RGB(64, 64, 64);
        line->BorderWidth = 2;
    }
    for (auto& [p, piece] : picture2) piece->Move(0, 0, foreaftrules::kPieceSize, foreaftrules::kPieceSize);
    Image2.Picture = platform::Picture(art::foreAftMarble(true));
    Image3.Picture = platform::Picture(art::foreAftMarble(false));
    for (Image* marble : {&Image2, &Image3}) {
        marble->Move(3480, 720);
        marble->Visible = false;
    }
}

void foreaft::Form_Load() {
    scale = common::setscale(*this, {0.78f, 1.0f}).scale;
    common::scaleit(Image2, scale);
    common::scaleit(Image3, scale);
    common::scaleit(*this, scale);
    for (auto& [c, cell] : Picture1) common::scaleit(*cell, scale);
    for (auto& [i, line] : Line1) {
        line->X1 = line->X1 * double(scale);
        line->X2 = line->X2 * double(scale);
        line->Y1 = line->Y1 * double(scale);
        line->Y2 = line->Y2 * double(scale);
    }
    for (auto& [p, piece] : picture2) {
        piece->Stretch = true;
        common::scaleit(*piece, scale);
    }
    new_Click();
}

// The main window is locked only once the board is the active window.
void foreaft::Form_Activate() { common::lockmain(); }

void foreaft::Form_Unload(int&) { common::releasemain(); }

// A new game drops a running move first, so the new board starts clean.
void foreaft::startup() {
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    enablepieces(true);
    common::readsetting(board.backwards, kBackwards);
    tickbackwards();
    foreaftrules::startup(board);
    for (auto& [c, cell] : Picture1) cell->Picture = LoadPicture(kWhite);
    for (auto& [p, piece] : picture2) {
        piece->Picture = foreaftrules::green(p) ? Image2.Picture.get() : Image3.Picture.get();
        piece->ZOrder(0);
        rest(p);
    }
}

void foreaft::rest(int p) {
    const Image& cell = Picture1[board.piecepos[p]];
    picture2[p].Left = cell.Left + core::scaled(foreaftrules::kRestLeft, scale);
    picture2[p].Top = cell.Top + core::scaled(foreaftrules::kRestTop, scale);
}

// The tick tells the rule in force: only exactly "YES" allows backward moves.
void foreaft::tickbackwards() {
    const bool backwards = board.backwards == "YES";
    backwordsmoves.Checked = backwards;
    nobackwardsmoves.Checked = !backwards;
}

void foreaft::enablepieces(bool enabled) {
    for (auto& [p, piece] : picture2) piece->Enabled = enabled;
}

void foreaft::linesfront() {
    for (auto& [i, line] : Line1) line->ZOrder(0);
}

void foreaft::picture2_Click(int Index) {
    const MoveKind kind = foreaftrules::click(board, Index);
    if (kind != MoveKind::None) {
        playsound("squirt.wav");
        enablepieces(false);
        (kind == MoveKind::Vertical ? Timer1 : Timer2).Enabled = true;
    }
    linesfront();
}

// One step of the moving piece towards its rest on the empty cell; a step to the left is 40 twips
// at every scale. The piece keeps the place of its last step, which may lie a little past the rest.
void foreaft::move(Timer& timer, bool vertical) {
    const int p = board.clicked;
    Image& piece = picture2[p];
    piece.ZOrder(0);
    const Image& target = Picture1[board.emptycell];
    const double forward = core::scaled(foreaftrules::kStepTwips, scale);
    foreaftrules::Step s{};
    if (vertical) {
        s = foreaftrules::step(piece.Top, target.Top + core::scaled(foreaftrules::kRestTop, scale), forward, forward);
        piece.Top = s.position;
    } else {
        s = foreaftrules::step(piece.Left, target.Left + core::scaled(foreaftrules::kRestLeft, scale), forward,
                               foreaftrules::kStepTwips);
        piece.Left = s.position;
    }
    if (!s.ended) return;
    timer.Enabled = false;
    foreaftrules::finishmove(board, p);
    linesfront();
    enablepieces(true);
    check();
}

void foreaft::Timer1_Timer() { move(Timer1, true); }

void foreaft::Timer2_Timer() { move(Timer2, false); }

void foreaft::check() {
    if (foreaftrules::won(board) && common::playagain("You Win! Play again?")) startup();
}

void foreaft::new_Click() { startup(); }

void foreaft::backwordsmoves_Click() {
    common::writesetting(board.backwards, "YES", kBackwards);
    tickbackwards();
}

void foreaft::nobackwardsmoves_Click() {
    common::writesetting(board.backwards, "NO", kBackwards);
    tickbackwards();
}
