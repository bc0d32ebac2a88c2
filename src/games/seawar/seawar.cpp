#include "games/seawar/seawar.h"

#include "games/seawar/seawar_fleets.h"
#include "games/seawar/seawar_layout.h"
#include "games/seawar/seawar_placement.h"
#include "games/seawar/seawar_shots.h"

#include "art/sea_war.h"
#include "common/locks.h"
#include "common/options.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/chance.h"
#include "core/rndnum.h"
#include "platform/boxes.h"
#include "platform/services.h"

#include <algorithm>
#include <array>
#include <string>

using namespace platform;
using namespace seawarrules;

namespace {

constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kMissile = "missle.wav";
constexpr std::string_view kSplash = "bigpoolsplash.wav";
constexpr std::string_view kFirstMoveFile = "\\battleshipfirst.dat";
constexpr std::string_view kGameTypeFile = "\\seawartype.dat";
constexpr std::string_view kPlaceTitle = "Position Ships";
constexpr Color kWorkspace = vbApplicationWorkspace;
constexpr double kOutOfSight = -1000;  // a peg waiting for its shot, above its grid
constexpr double kPegSize = 375;
constexpr double kPegInset = 20;       // a peg is this much smaller than its cell
constexpr double kWaterCells = 9.4;    // the water covers this many cells of its grid

int draw(int n, int offset) { return core::rndnum(n, offset); }

// One of five controls by ship number, cruiser first.
Image& byship(int ship, std::initializer_list<Image*> ships) { return **(ships.begin() + (ship - 1)); }

void verdana(StyledControl& control, double size) {
    control.Font.Name = "Verdana";
    control.Font.Size = size;
}

}  // namespace

seawar::seawar() : GameWindow("seawar", "seawar") {
    design();
    accside.MouseMove = [this](int, int, double X, double Y) { ship_MouseMove(kCarrier, X, Y); };
    battleshipside.MouseMove = [this](int, int, double X, double Y) { ship_MouseMove(kBattleship, X, Y); };
    subside.MouseMove = [this](int, int, double X, double Y) { ship_MouseMove(kSubmarine, X, Y); };
    destroyerside.MouseMove = [this](int, int, double X, double Y) { ship_MouseMove(kDestroyer, X, Y); };
    cruiserside.MouseMove = [this](int, int, double X, double Y) { ship_MouseMove(kCruiser, X, Y); };
    on(Image4.DragDrop, &seawar::Image4_DragDrop);
    on(Command1.Click, &seawar::Command1_Click);
    on(Command2.Click, &seawar::Command2_Click);
    on(Image1.Click, &seawar::Image1_Click);
    on(Timer1.Tick, &seawar::Timer1_Timer);
    on(Timer2.Tick, &seawar::Timer2_Timer);
    on(newgame.Click, &seawar::newgame_Click);
    on(mefirst.Click, &seawar::mefirst_Click);
    on(computer.Click, &seawar::computer_Click);
    on(Random.Click, &seawar::Random_Click);
    on(classic.Click, &seawar::classic_Click);
    on(salvo.Click, &seawar::salvo_Click);
    on(volley.Click, &seawar::volley_Click);
}

Image& seawar::shippicture(int ship) {
    return byship(ship, {&cruiserside, &destroyerside, &subside, &battleshipside, &accside});
}

Image& seawar::docktemplate(int ship) {
    return byship(ship, {&cruiserdis, &destroyerdis, &submarinedis, &battleshipdis, &accdis});
}

Image& seawar::sidetemplate(int ship) {
    return byship(ship, {&cruiserside1, &destroyerside1, &subside1, &battleshipside1, &accside1});
}

Image& seawar::uptemplate(int ship) { return byship(ship, {&cruiserup, &destroyerup, &subup, &battleshipup, &accup}); }

void seawar::design() {
    Caption = "Sea War";
    Move(150, 540, 11670, 6495);
    BackColor = kWorkspace;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    Frame1.Move(240, 480, 5775, 5295);
    Frame1.BackColor = kWorkspace;
    Frame1.BorderStyle = vbBSNone;
    Frame1.Visible = false;
    Image2.Move(2640, 2280, 3735, 3135);
    Image2.Stretch = true;
    Label2.Move(-480, 4920, 5775, 975);
    Label2.Alignment = vbCenter;
    Label2.BackStyle = vbTransparent;
    Label2.ForeColor = vbWhite;
    verdana(Label2, 12);

    Image3.Move(0, 0, 3735, 3135);
    Image3.Stretch = true;
    Image4.Move(6120, 0, 5415, 5895);
    Shape1.Move(360, 840, 2775, 4095);
    Shape1.BackStyle = vbOpaque;
    Shape1.BackColor = vbBlack;
    Shape1.FillStyle = vbFSSolid;
    Shape1.FillColor = vbBlack;
    Shape1.BorderColor = vbBlack;
    Label1.Move(360, 1080, 2775, 495);
    Label1.Caption = "Position your pieces";
    Label1.Alignment = vbCenter;
    Label1.BackStyle = vbTransparent;
    Label1.ForeColor = vbYellow;
    verdana(Label1, 8.25);

    Command1.Move(360, 5160, 1215, 495);
    Command1.Caption = "Rotate";
    verdana(Command1, 8.25);
    Command2.Move(1920, 5160, 1215, 495);
    Command2.Caption = "Done";
    verdana(Command2, 8.25);

    Frame2.Move(120, -6000, 10215, 1575);

    designcells();
    designships();
}

void seawar::designcells() {
    for (auto& [n, cell] : Image1) {
        const Rect r = celldesign(n);
        cell->Move(r.left, r.top, r.width, r.height);
    }
    for (auto& [k, line] : Line1) {
        const Segment s = linedesign(k);
        line->X1 = s.x1;
        line->Y1 = s.y1;
        line->X2 = s.x2;
        line->Y2 = s.y2;
    }
    hitpeg = platform::Picture(art::seaPeg(true));
    misspeg = platform::Picture(art::seaPeg(false));
    for (auto& [n, peg] : Shape2) {
        peg->Stretch = true;
        peg->Picture = hitpeg;
        peg->Move(0, kOutOfSight, kPegSize, kPegSize);
    }
}

// Every ship and template stretches one of three shared pictures to its own size.
void seawar::designships() {
    dockpicture = platform::Picture(art::seaShip(art::ShipView::Dock));
    sidepicture = platform::Picture(art::seaShip(art::ShipView::Side));
    uppicture = platform::Picture(art::seaShip(art::ShipView::Up));
    for (int ship = 1; ship <= kShips; ++ship) {
        const double width = shipdesignwidth(ship);
        Image& picture = shippicture(ship);
        picture.Stretch = true;
        picture.Picture = sidepicture;
        picture.Move(kDockLeft, docktop(ship), width, kShipBeam);
        Image& dock = docktemplate(ship);
        dock.Stretch = true;
        dock.Picture = dockpicture;
        dock.Move(240.0 * ship, 120, 1770, 480);
        Image& side = sidetemplate(ship);
        side.Stretch = true;
        side.Picture = sidepicture;
        side.Move(2040.0 * ship, 600, width, kShipBeam);
        Image& up = uptemplate(ship);
        up.Stretch = true;
        up.Picture = uppicture;
        up.Move(4200 + 600.0 * ship, 0, kShipBeam, kUpLength);
    }
}

void seawar::Form_Load() {
    core::Randomize();
    common::lockmain();
    setscale();
    scalewindow();
    layout();
    xstart();
    // The drop zone lies over the whole user's grid, in front of its cells.
    Image4.ZOrder(0);
    Image4.Height = Image1[191].Top + Image1[191].Height - Image1[101].Top;
    Image4.Width = Image1[110].Width + Image1[110].Left - Image1[101].Left;
    Image4.Left = Image1[101].Left.get();
    Image4.Top = Image1[101].Top.get();
    fitwindow();
}

void seawar::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {0.78f, 1.0f});
    scale = choice.scale;
    if (!core::smallscreen(choice)) return;
    Label1.Font.Size = 7;
    Label2.Font.Size = 10;
    Command1.Font.Size = 7;
    Command2.Font.Size = 7;
}

// The window and everything on it shrink by the window's factor once, at load.
void seawar::scalewindow() {
    common::scaleit(*this, scale);
    if (scale == 0.78f) Width = Width + 1600;
    for (int n = 1; n <= 200; ++n) common::scaleit(Image1[n], scale);
    for (auto& [k, line] : Line1) {
        line->X1 = line->X1 * double(scale);
        line->X2 = line->X2 * double(scale);
        line->Y1 = line->Y1 * double(scale);
        line->Y2 = line->Y2 * double(scale);
    }
    for (Control* c : std::initializer_list<Control*>{&Image2, &Image3, &Image4, &Frame1, &Shape1, &Label1, &Label2,
                                                     &Command1, &Command2})
        common::scaleit(*c, scale);
    // The dock templates keep their design size: only their picture is ever copied.
    for (int ship = 1; ship <= kShips; ++ship) {
        for (Image* copy : {&sidetemplate(ship), &uptemplate(ship)}) {
            copy->Height = copy->Height * double(scale);
            copy->Width = copy->Width * double(scale);
        }
        common::scaleit(shippicture(ship), scale);
    }
}

// The grids at twice their design size, the water under each, and white lines over the water.
void seawar::layout() {
    for (int n = 1; n <= 200; ++n) {
        Image& cell = Image1[n];
        cell.Top = cell.Top * 2;
        cell.Left = cell.Left * 2;
        cell.Width = cell.Width * 2;
        cell.Height = cell.Height * 2;
    }
    const platform::Picture water = LoadPicture("\\Images\\bluewater.bmp");
    for (auto [sea, first] : {std::pair{&Image2, 1}, std::pair{&Image3, 101}}) {
        sea->Top = Image1[first].Top.get();
        sea->Left = Image1[first].Left.get();
        sea->Width = kWaterCells * Image1[first].Width;
        sea->Height = kWaterCells * Image1[first].Height;
        sea->Picture = water;
    }
    for (auto& [k, line] : Line1) {
        line->X1 = line->X1 * 2;
        line->X2 = line->X2 * 2;
        line->Y1 = line->Y1 * 2;
        line->Y2 = line->Y2 * 2;
        line->BorderColor = vbWhite;
        line->ZOrder(0);
    }
}

// Scaled by its factor, the window's own frame would cut off the bottom of the enemy side and of
// the buttons at 640 x 480, and the width added there would run past so narrow a screen.
void seawar::fitwindow() {
    const double right = std::max(Frame1.Left + Frame1.Width, Image4.Left + Image4.Width);
    const double bottom =
        std::max({Frame1.Top + Frame1.Height, Command2.Top + Command2.Height, Image4.Top + Image4.Height});
    setClientSize(std::max(ScaleWidth(), right), std::max(ScaleHeight(), bottom));
    const double needed = Width - (ScaleWidth() - right);
    Width = std::max(needed, std::min(Width.get(), screenWidthTwips()));
}

void seawar::Form_Activate() { common::lockmain(); }

void seawar::Form_Unload(int&) { common::releasemain(); }

void seawar::xstart() {
    newgamestate(table);
    for (int n = 1; n <= 200; ++n) Image1[n].Enabled = true;
    Timer1.Enabled = false;
    gametype.Enabled = true;
    common::readsetting(firstmovesetting, kFirstMoveFile);
    common::readsetting(gametypesetting, kGameTypeFile);
    common::tickoption(gametypesetting, gametypes());
    common::tickoption(firstmovesetting, firstmoves());
    Frame1.Visible = false;
    // A new game chosen during the computer's first turn would otherwise keep the enemy side locked.
    Frame1.Enabled = true;
    for (auto& [n, peg] : Shape2) peg->Top = kOutOfSight;
    for (int n = 1; n <= 200; ++n) Image1[n].ZOrder(0);
    zgame();
    Label2.Caption = "";
    for (int ship = 1; ship <= kShips; ++ship) {
        Image& picture = shippicture(ship);
        picture.DragMode = vbAutomatic;
        picture.Top = docktop(ship) * double(scale);
        picture.Left = kDockLeft * double(scale);
        // Lying again at its own size, whatever Rotate made of it, in its dock picture.
        picture.Width = sidetemplate(ship).Width.get();
        picture.Height = sidetemplate(ship).Height.get();
        picture.Picture = docktemplate(ship).Picture.get();
    }
    Image4.ZOrder(0);
}

void seawar::zgame() { seawarrules::zgame(table, draw); }

std::array<common::OptionItem, 3> seawar::firstmoves() { return {{{"1", &Random}, {"2", &mefirst}, {"3", &computer}}}; }

std::array<common::OptionItem, 3> seawar::gametypes() {
    return {{{"Classic", &classic}, {"Salvo", &salvo}, {"Volley", &volley}}};
}

void seawar::newgame_Click() { xstart(); }

// A drag starts with the pointer pressed on the ship it has just moved over: its last move says
// where the ship is held.
void seawar::ship_MouseMove(int, double X, double Y) { grab = {X, Y}; }

// The ship number of one of the five ship pictures, 0 for any other control.
int seawar::shipof(const Control& control) {
    for (int ship = 1; ship <= kShips; ++ship)
        if (&shippicture(ship) == &control) return ship;
    return 0;
}

void seawar::Image4_DragDrop(Control& Source, double X, double Y) {
    playsound(kFlick);
    const int ship = shipof(Source);
    if (isship(ship)) {
        Image& picture = shippicture(ship);
        picture.Left = X - grab.x + Image4.Left;
        picture.Top = Y - grab.y + Image4.Top;
        if (leavesdock(table, ship)) picture.Picture = sidetemplate(ship).Picture.get();
        Edges lefts{}, tops{};
        for (int i = 1; i <= 10; ++i) {
            lefts[i] = Image1[100 + i].Left;
            tops[i] = Image1[usercell(i, 1)].Top;
        }
        const int way = table.shipway[ship];
        const int column = snapcolumn(picture.Left, lefts, ship, way);
        const int row = snaprow(picture.Top, tops, ship, way);
        picture.Left = lefts[column];
        picture.Top = tops[row];
        placeship(table, ship, usercell(row, column));
        table.droppedship = ship;
    }
    restack();
}

// The ships in front of the drop zone, so a placed one can be taken again, and the grid's lines
// drawn over them.
void seawar::restack() {
    for (int ship : {kCruiser, kCarrier, kDestroyer, kBattleship, kSubmarine}) shippicture(ship).ZOrder(0);
    for (int k = 22; k <= kLastLine; ++k) Line1[k].ZOrder(0);
}

void seawar::Command1_Click() {
    // Once the battle is on, the enemy side covers the button; a key press must not reach it either.
    if (!table.placing) return;
    playsound(kFlick);
    const int ship = table.droppedship;
    const auto turn = rotate(table, ship);
    if (!turn) return;
    Image& picture = shippicture(ship);
    if (turn->way == kUp) {
        if (turn->moved) picture.Top = Image1[turn->anchor].Top.get();
        picture.Height = picture.Width.get();
        picture.Width = kShipBeam * double(scale);
        picture.Picture = uptemplate(ship).Picture.get();
    } else {
        if (turn->moved) picture.Left = Image1[turn->anchor].Left.get();
        picture.Width = picture.Height.get();
        picture.Height = kShipBeam * double(scale);
        picture.Picture = sidetemplate(ship).Picture.get();
    }
}

void seawar::Command2_Click() {
    if (!table.placing) return;
    switch (donecheck(table)) {
    case Readiness::NotPlaced:
        MsgBox("You Need to Position all your ships", vbOKOnly + vbInformation, kPlaceTitle);
        return;
    case Readiness::Overlap:
        MsgBox("Two ships may not be on the same spot", vbOKOnly + vbInformation, kPlaceTitle);
        return;
    case Readiness::Ready:
        break;
    }
    Frame1.Visible = true;
    for (int ship = 1; ship <= kShips; ++ship) shippicture(ship).DragMode = vbManual;
    const int mover = firstmoverfrom(firstmovesetting, draw);
    for (int n = kFirstUserCell; n <= kLastUserCell; ++n) Image1[n].Enabled = false;
    beginbattle(table, mover);
    if (mover == 1) {
        MsgBox("You will move first", vbOKOnly + vbInformation, "Your Move");
    } else {
        MsgBox("The Computer will move first", vbOKOnly + vbInformation, "Computer Move");
        Frame1.Enabled = false;
        Timer1.Enabled = true;
    }
    gametype.Enabled = false;
}

void seawar::enableenemy(bool on) {
    for (int n = 1; n <= 100; ++n) Image1[n].Enabled = on;
}

// The peg shows the shot's result and lies over its cell, a little smaller than the cell.
void seawar::placepeg(int cell, bool hit) {
    Image& peg = Shape2[cell];
    const Image& under = Image1[cell];
    peg.Picture = hit ? hitpeg : misspeg;
    peg.Top = under.Top.get();
    peg.Left = under.Left.get();
    peg.Height = under.Height - kPegInset;
    peg.Width = under.Width - kPegInset;
}

void seawar::Image1_Click(int Index) {
    const Shot shot = usershot(table, Index);
    if (!shot.counted) return;
    if (shot.ship) {
        Label2.Caption = std::string(hitmessage(shot.ship));
        Timer2.Enabled = true;
        if (shot.sunk) {
            Label2.Caption = std::string(sunkmessage(shot.ship));
            Timer2.Enabled = true;
        }
        playsound(kMissile);
    } else {
        playsound(kSplash);
    }
    placepeg(Index, shot.ship != 0);
    if (table.enemyafloat == 0) {
        if (common::playagain("You Win! Play again?")) newgame_Click();
        Timer1.Enabled = false;
        return;
    }
    if (userturnover(table, gametypesetting)) {
        Timer1.Enabled = true;
        enableenemy(false);
    }
    if (Timer1.Enabled) newgame.Enabled = false;
}

void seawar::Timer2_Timer() {
    Label2.Caption = "";
    Timer2.Enabled = false;
}

void seawar::Timer1_Timer() {
    const auto [cell, shot] = compshot(table, draw);
    playsound(shot.ship ? kMissile : kSplash);
    placepeg(cell, shot.ship != 0);
    Shape2[cell].ZOrder(0);
    for (int k = 22; k <= kLastLine; ++k) Line1[k].ZOrder(0);
    if (table.playerafloat == 0) {
        if (common::playagain("You Lost! Play again?")) newgame_Click();
        Timer1.Enabled = false;
        Frame1.Enabled = true;
        newgame.Enabled = true;
        return;
    }
    if (compturnover(table, gametypesetting)) {
        Timer1.Enabled = false;
        enableenemy(true);
    }
    if (!Timer1.Enabled) {
        Frame1.Enabled = true;
        newgame.Enabled = true;
    }
}

void seawar::mefirst_Click() { choosefirstmove("2"); }

void seawar::computer_Click() { choosefirstmove("3"); }

void seawar::Random_Click() { choosefirstmove("1"); }

void seawar::classic_Click() { choosegametype("Classic"); }

void seawar::salvo_Click() { choosegametype("Salvo"); }

void seawar::volley_Click() { choosegametype("Volley"); }

// A choice is written, read back, and the ticks follow what was read.
void seawar::choosefirstmove(std::string_view value) {
    common::writesetting(firstmovesetting, value, kFirstMoveFile);
    common::tickoption(firstmovesetting, firstmoves());
}

void seawar::choosegametype(std::string_view value) {
    common::writesetting(gametypesetting, value, kGameTypeFile);
    common::tickoption(gametypesetting, gametypes());
}
