#include "games/backgammon/backgammon.h"

#include "games/backgammon/backgammon_computer.h"
#include "games/backgammon/backgammon_turns.h"
#include "games/backgammon/backgammon_user.h"
#include "games/backgammon/backgammonscore.h"

#include "art/backgammon_geometry.h"
#include "art/backgammon_pictures.h"
#include "art/dice.h"
#include "common/mainwindow.h"
#include "common/names.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/chance.h"
#include "core/rndnum.h"
#include "platform/boxes.h"
#include "platform/files.h"

#include <array>
#include <string>
#include <vector>

using namespace platform;
using namespace bgrules;
namespace geo = art::bgboard;

namespace {

constexpr std::string_view kDice = "dice.wav";
constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kFirstRollFile = "\\Data\\firstroll.dat";
constexpr std::string_view kColourFile = "\\Data\\playasbackgammon.dat";
constexpr std::string_view kCubeFile = "\\Data\\doublecube.dat";
constexpr std::string_view kMatchFile = "\\Data\\backgammonto.dat";

constexpr Color kYellow = RGB(192, 192, 0);
constexpr Color kRed = RGB(192, 0, 0);
// The die faces are drawn larger than they show, so they stay crisp when stretched down.
constexpr int kDieFacePixels = art::kBackgammonDiePixels;

void place(Control& c, const geo::Box& box) { c.Move(box.left, box.top, box.width, box.height); }

void designName(Label& label, const geo::Box& box, const char* caption) {
    place(label, box);
    label.Caption = caption;
    label.Alignment = vbCenter;
    label.ForeColor = RGB(255, 255, 128);
    label.BackColor = vbMenuText;
}

void designChecker(Shape& disc) {
    disc.Kind = vbShapeCircle;
    disc.BackStyle = vbOpaque;
    disc.BorderColor = vbBlack;
    disc.Width = geo::kChecker;
    disc.Height = geo::kChecker;
}

void designSlab(Shape& slab, const geo::Box& first) {
    slab.Kind = vbShapeRectangle;
    slab.FillStyle = vbFSSolid;
    slab.BorderColor = vbBlack;
    place(slab, first);
}

}  // namespace

backgammon::backgammon() : GameWindow("backgammon", "backgammon") {
    design();
    backgammonscore::connect({
        [] { return static_cast<Form*>(loaded<backgammon>()); },
        [] {
            const backgammon* board = loaded<backgammon>();
            return board ? board->table.playerwins + board->table.compwins : 0;
        },
        [] {
            const backgammon* board = loaded<backgammon>();
            return board ? board->settings.matchlength : std::string();
        },
        [] {
            const backgammon* board = loaded<backgammon>();
            return board ? board->compname : std::string();
        },
        [] {
            if (backgammon* board = loaded<backgammon>()) board->startup();
        },
        [] {
            if (backgammon* board = loaded<backgammon>()) board->startmeup();
        },
        [] {
            if (backgammon* board = loaded<backgammon>()) board->stopplay();
        },
    });
    on(Image1.MouseMove, &backgammon::Image1_MouseMove);
    on(Image1.DragOver, &backgammon::Image1_DragOver);
    on(Image2.MouseMove, &backgammon::Image2_MouseMove);
    on(Image2.DragDrop, &backgammon::Image2_DragDrop);
    die1.Click = [this] { roll(); };
    die2.Click = [this] { roll(); };
    diespot1.Click = [this] { roll(); };
    diespot2.Click = [this] { roll(); };
    on(Image3.DragDrop, &backgammon::Image3_DragDrop);
    on(Image4.Click, &backgammon::Image4_Click);
    on(Timer1.Tick, &backgammon::Timer1_Timer);
    on(Timer2.Tick, &backgammon::Timer2_Timer);
    on(Timer3.Tick, &backgammon::Timer3_Timer);
    on(newstuff.Click, &backgammon::newstuff_Click);
    on(playerfirst.Click, &backgammon::playerfirst_Click);
    on(compfirst.Click, &backgammon::compfirst_Click);
    on(random.Click, &backgammon::Random_Click);
    on(yellow.Click, &backgammon::yellow_Click);
    on(red.Click, &backgammon::red_Click);
    on(doublecubeon.Click, &backgammon::doublecubeon_Click);
    on(doublecubeoff.Click, &backgammon::doublecubeoff_Click);
    on(f3.Click, &backgammon::f3_Click);
    on(f5.Click, &backgammon::f5_Click);
    on(f7.Click, &backgammon::f7_Click);
    on(f9.Click, &backgammon::f9_Click);
    on(viewscore.Click, &backgammon::viewscore_Click);
}

void backgammon::design() {
    Caption = "Backgammon";
    BackColor = RGB(128, 128, 0);
    MousePointer = vbCustom;
    MinButton = true;
    MaxButton = true;
    Sizable = true;
    WindowState = vbMaximized;
    setClientSize(geo::kPictureWidth * kTwipsPerPixel, geo::kPictureHeight * kTwipsPerPixel);

    for (int p = 1; p <= 24; ++p)
        Image2[p].Move(geo::kPointAreas[p].left, geo::kPointAreas[p].top, geo::kPointWidth, geo::kPointHeight);
    place(Image2[0], geo::kComputerTray);
    place(Image3, geo::kUserTray);
    place(diespot1, geo::kDiespot1);
    place(diespot2, geo::kDiespot2);

    Image* const faces[] = {&one, &two, &three, &four, &five, &six};
    for (int value = 1; value <= 6; ++value) {
        Image& face = *faces[value - 1];
        face.Stretch = true;
        face.Move(240 + 720 * value, geo::kFacesTop, geo::kDie, geo::kDie);
        face.Picture = platform::Picture(art::dieFace(value, kDieFacePixels));
    }
    for (Image* die : {&die1, &die2}) die->Stretch = true;
    die1.Move(geo::kUserDie2, geo::kDieTop, geo::kDie, geo::kDie);
    die2.Move(geo::kUserDie1, geo::kDieTop, geo::kDie, geo::kDie);
    die1.Picture = one.Picture.get();
    die2.Picture = one.Picture.get();

    Image* const cubes[] = {&cube1, &cube2, &cube4, &cube8, &cube16, &cube32, &cube64};
    for (int k = 0; k < 7; ++k) {
        cubes[k]->Stretch = true;
        cubes[k]->Move(240 + 1080 * k, geo::kFacesTop, geo::kCubeFaceWidth, geo::kCubeFaceHeight);
        cubes[k]->Picture = platform::Picture(art::cubeFace(1 << k));
        cubes[k]->Visible = false;
    }
    Image4.Stretch = true;
    place(Image4, geo::kCube);
    Image4.Picture = cube1.Picture.get();

    for (auto& [i, slab] : Shape4) designSlab(*slab, geo::kUserSlab);
    for (auto& [i, slab] : Shape5) designSlab(*slab, geo::kComputerSlab);
    for (auto* templ : {&Shape4[0], &Shape5[0]}) {
        templ->Move(geo::kMarkers[0].left, geo::kMarkers[0].top);
        templ->Visible = false;
    }
    for (auto& [i, marker] : Shape3) {
        marker->Kind = vbShapeCircle;
        marker->FillStyle = vbFSSolid;
        marker->FillColor = vbWhite;
        marker->BorderColor = vbWhite;
        marker->Move(geo::kMarkers[i].left, geo::kMarkers[i].top, geo::kMarkerWidth, geo::kMarkerHeight);
        marker->Visible = false;
    }

    designName(Label1, geo::kUserName, "Your Name");
    designName(Label2, geo::kComputerName, "Computer");
    for (Label* points : {&Label3, &Label4}) points->Visible = false;

    for (auto& [i, disc] : Shape1) designChecker(*disc);
    for (auto& [i, disc] : Shape2) designChecker(*disc);
    for (auto& [i, handle] : Image1) {
        handle->Move(15840, 6960, 495, 495);
        handle->Visible = false;
    }
}

void backgammon::Form_Load() {
    core::Randomize();
    setscale();
    scalecontrols();
    common::readsetting(settings.matchlength, kMatchFile);
    common::tickoption(settings.matchlength, matchitems());
    common::readsetting(settings.cube, kCubeFile);
    tickcube();
    common::readsetting(settings.colour, kColourFile);
    tickcolour();
    colourcheckers(settings.colour == "Y");
    stackslabs();
    common::readsetting(table.firstroll, kFirstRollFile);
    tickfirst();
    compname = std::string(common::pickname());
    Label2.Caption = compname;
    startmeup();
    username = common::playername();
    Label1.Caption = username;
}

void backgammon::Form_Unload(int&) {
    if (backgammonscore* score = loaded<backgammonscore>()) score->dismiss();
}

void backgammon::setscale() {
    const core::ScaleChoice choice = common::setscale(*this, {geo::kScaleAt640, geo::kScaleAt800});
    scale = choice.scale;
    if (core::smallscreen(choice))
        for (Label* name : {&Label1, &Label2}) name->Font.Size = 7;
    for (const art::BoardFile& board : art::backgammonBoardFiles())
        if (board.scale == scale) Picture = LoadPicture("\\Images\\" + board.name.toStdString());
}

// The handles are not scaled: every new game lays them over the scaled checkers. The die and
// cube faces keep their size too; the dice and the cube stretch them.
void backgammon::scalecontrols() {
    common::scaleit(*this, scale);
    for (Control* c : std::initializer_list<Control*>{&die1, &die2, &diespot2, &diespot1, &Label1, &Label2,
                                                      &Image3, &Image4})
        common::scaleit(*c, scale);
    for (auto& [i, c] : Shape1) common::scaleit(*c, scale);
    for (auto& [i, c] : Shape2) common::scaleit(*c, scale);
    for (auto& [i, c] : Shape3) common::scaleit(*c, scale);
    for (auto& [i, c] : Shape4) common::scaleit(*c, scale);
    for (auto& [i, c] : Shape5) common::scaleit(*c, scale);
    for (auto& [i, c] : Image2) common::scaleit(*c, scale);
}

// The ticks follow the options' values; a value that names no option ticks the default item.
void backgammon::tickfirst() {
    const std::string& first = table.firstroll;
    playerfirst.Checked = first == "P";
    compfirst.Checked = first == "C";
    random.Checked = first != "P" && first != "C";
}

void backgammon::tickcolour() {
    yellow.Checked = settings.colour == "Y";
    red.Checked = !yellow.Checked;
}

// The cube shows, and can be clicked, only while it is in use.
void backgammon::tickcube() {
    const bool cubeon = cubeinuse();
    doublecubeon.Checked = cubeon;
    doublecubeoff.Checked = !cubeon;
    Image4.Visible = cubeon;
    Image4.Enabled = cubeon;
}

// A match length the file does not name leaves the ticks as they were.
std::array<common::OptionItem, 4> backgammon::matchitems() { return {{{"3", &f3}, {"5", &f5}, {"7", &f7}, {"9", &f9}}}; }

void backgammon::colourcheckers(bool userYellow) {
    const Color user = userYellow ? kYellow : kRed;
    const Color computer = userYellow ? kRed : kYellow;
    for (int i = 1; i <= kCheckers; ++i) Shape1[i].BackColor = user;
    for (int i = 1; i <= kCheckers; ++i) Shape4[i].FillColor = user;
    for (int i = 1; i <= kCheckers; ++i) Shape2[i].BackColor = computer;
    for (int i = 1; i <= kCheckers; ++i) Shape5[i].FillColor = computer;
}

// Each side's fifteen slabs: a hidden column of touching, flattened slabs running down from
// slab 1, a little further right at 800 x 600.
void backgammon::stackslabs() {
    for (auto* slabs : {&Shape4, &Shape5})
        for (int i = 1; i <= kCheckers; ++i) {
            Shape& slab = (*slabs)[i];
            if (scale == geo::kScaleAt800) slab.Left = slab.Left + geo::kSlabNudgeAt800;
            slab.Visible = false;
            slab.Height = slab.Height * geo::kSlabSqueeze;
            const Shape& first = (*slabs)[1];
            slab.Left = first.Left.get();
            slab.Top = first.Top + (i - 1) * first.Height;
        }
}

void backgammon::startup() {
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    Timer3.Enabled = false;
    userturn_ = false;
    handingover_ = false;
    dcube.Enabled = true;
    const Side opener = openGame(table, [](int n) { return core::rndnum(n); });
    showcube();
    hidemarkers();
    layout();
    if (opener == Side::User) {
        die2.Left = geo::kUserDie2 * double(scale);
        die1.Left = geo::kUserDie1 * double(scale);
        for (Image* dice : {&die1, &die2, &diespot1, &diespot2}) dice->Enabled = true;
        die2.Picture = one.Picture.get();
        die1.Picture = one.Picture.get();
        return;
    }
    Timer3.Enabled = true;
    for (Image* dice : {&die1, &die2, &diespot1, &diespot2}) dice->Enabled = false;
}

void backgammon::startmeup() {
    common::readsetting(table.firstroll, kFirstRollFile);
    startup();
    table.playerscore = 0;
    table.compscore = 0;
    table.playerwins = 0;
    table.compwins = 0;
    showpoints();
}

void backgammon::newstuff_Click() { startmeup(); }

void backgammon::layout() {
    for (int i = 1; i <= kCheckers; ++i) {
        const int p = table.playerpos[i];
        Shape1[i].Visible = p != kUserOff;
        placeuser(i, p, table.rownum[p] - table.playertag[i]);
        Shape1[i].Tag = std::to_string(table.playertag[i]);
        Image1[i].Width = Shape1[i].Width.get();
        Image1[i].Height = Shape1[i].Height.get();
    }
    for (int i = 1; i <= kCheckers; ++i) {
        const int p = table.comppos[i];
        Shape2[i].Visible = p != kComputerOff;
        placecomputer(i, p, table.rownum[p] - table.comptag[i]);
        Shape2[i].Tag = std::to_string(table.comptag[i]);
    }
    for (int k = 1; k <= kCheckers; ++k) {
        Shape4[k].Visible = k <= table.playeroff;
        Shape5[k].Visible = k <= table.compoff;
    }
    setdrags();
}

// Which handles the user can grab, and the stacking order: every stack's top checker in front of
// the ones below it, checkers on the bar in front of all, the handles in front of the point areas.
void backgammon::setdrags() {
    for (int i = 1; i <= kCheckers; ++i) {
        const bool off = table.playerpos[i] == kUserOff;
        Image1[i].Visible = !off;
        Image1[i].Enabled = userturn_ && !off;
        Image1[i].DragMode = grabbable(table, i) ? vbAutomatic : vbManual;
    }
    for (int depth = kCheckers; depth >= 1; --depth)
        for (int i = 1; i <= kCheckers; ++i)
            if (table.playertag[i] == depth) {
                Shape1[i].ZOrder(0);
                Image1[i].ZOrder(0);
            }
    for (int i = 1; i <= kCheckers; ++i)
        if (onbar(table.playertag[i])) {
            Shape1[i].ZOrder(0);
            Image1[i].ZOrder(0);
        }
}

// The user's checker arrives on a point holding `count` checkers (0 the bar, 25 the tray); its
// handle follows it.
void backgammon::placeuser(int checker, int point, int count) {
    Shape& disc = Shape1[checker];
    const double s = scale;
    if (point == kUserBar) {
        disc.Move(geo::kUserBar.left * s, geo::kUserBar.top * s);
    } else {
        if (const auto left = geo::userColumn(point)) disc.Left = *left * s;
        if (const auto top = geo::slotTop(point, count); top && point != kUserOff) disc.Top = *top * s;
    }
    Image1[checker].Move(disc.Left, disc.Top);
}

void backgammon::placecomputer(int checker, int point, int count) {
    Shape& disc = Shape2[checker];
    const double s = scale;
    if (point == kComputerBar) {
        disc.Move(geo::kComputerBar.left * s, geo::kComputerBar.top * s);
        return;
    }
    if (const auto left = geo::computerColumn(point)) disc.Left = *left * s;
    if (const auto top = geo::slotTop(point, count); top && point != kComputerOff) disc.Top = *top * s;
}

void backgammon::showdie(Image& die, int value) {
    const Image* faces[] = {&one, &two, &three, &four, &five, &six};
    if (value >= 1 && value <= 6) die.Picture = faces[value - 1]->Picture.get();
}

void backgammon::hidemarkers() {
    for (auto& [i, marker] : Shape3) marker->Visible = false;
}

void backgammon::roll() {
    rollwith([](int n) { return core::rndnum(n); });
}

void backgammon::rollKnown(int die1value, int die2value) {
    std::vector<int> known{die1value, die2value};
    rollwith([known, next = std::size_t{0}](int n) mutable {
        return next < known.size() ? known[next++] : core::rndnum(n);
    });
}

void backgammon::rollwith(const Draw& draw) {
    die2.Left = geo::kUserDie2 * double(scale);
    die1.Left = geo::kUserDie1 * double(scale);
    for (Image* dice : {&die1, &die2, &diespot1, &diespot2}) dice->Enabled = false;
    Timer1.Enabled = false;
    playsound(kDice);
    rollUser(table, draw);
    showdie(die1, table.playerdie1);
    showdie(die2, table.playerdie2);
    userturn_ = true;
    handingover_ = false;
    setdrags();
    if (turnOver(table)) handover(Timer2);
}

// The turn goes to the computer once, however many of a drop's checks find it over.
void backgammon::handover(Timer& timer) {
    if (handingover_) return;
    handingover_ = true;
    userturn_ = false;
    setdrags();
    timer.Enabled = true;
}

void backgammon::Timer2_Timer() {
    Timer2.Enabled = false;
    compturn();
}

void backgammon::Timer3_Timer() {
    Timer3.Enabled = false;
    compturn();
}

void backgammon::compturn() {
    handingover_ = false;
    userturn_ = false;
    const bool offers = computerTurnStarts(table, cubeinuse());
    setdrags();
    if (offers && !computeroffers()) return;
    for (Image* dice : {&die2, &die1, &diespot1, &diespot2}) dice->Enabled = false;
    die2.Left = geo::kComputerDie2 * double(scale);
    die1.Left = geo::kComputerDie1 * double(scale);
    playsound(kDice);
    rollComputer(table, [](int n) { return core::rndnum(n); });
    showdie(die1, table.compdie1);
    showdie(die2, table.compdie2);
    Timer1.Enabled = true;
}

// The computer's double, at the start of its turn. False when the user refuses, which ends the
// game at the stake as it stood.
bool backgammon::computeroffers() {
    const bool accepted = MsgBox(compname + " wants to double?", vbYesNo + vbInformation, "Double?") == vbYes;
    answerOffer(table, accepted);
    if (accepted) {
        showcube();
        return true;
    }
    for (Timer* timer : {&Timer1, &Timer2, &Timer3}) timer->Enabled = false;
    MsgBox("You Lost by not accepting the double", vbInformation, "You Lost");
    endgame(Side::Computer, false);
    return false;
}

// One computer checker a tick; the rules choose, the window places the pictures.
void backgammon::Timer1_Timer() {
    const ComputerTick tick = computerTick(table);
    if (!tick.sound.empty()) playsound(tick.sound);
    if (tick.action == ComputerTick::Action::Move) {
        placecomputer(tick.checker, tick.to, tick.slot);
        Shape2[tick.checker].ZOrder(0);
    } else if (tick.action == ComputerTick::Action::Hit) {
        Shape2[tick.checker].Move(Shape1[tick.hit].Left, Shape1[tick.hit].Top);
        Shape2[tick.checker].ZOrder(0);
        placeuser(tick.hit, kUserBar, 0);
    } else if (tick.action == ComputerTick::Action::BearOff) {
        placecomputer(tick.checker, kComputerOff, 0);
        Shape2[tick.checker].Visible = false;
        Shape5[table.compoff].Visible = true;
    }
    for (int i = 1; i <= kCheckers; ++i) {
        Shape1[i].Tag = std::to_string(table.playertag[i]);
        Shape2[i].Tag = std::to_string(table.comptag[i]);
    }
    setdrags();
    if (tick.won) {
        for (Timer* timer : {&Timer1, &Timer2, &Timer3}) timer->Enabled = false;
        MsgBox("You Lost", vbInformation, "You Lost");
        endgame(Side::Computer, true);
        return;
    }
    if (!tick.turnOver) return;
    Timer1.Enabled = false;
    for (Image* dice : {&diespot1, &diespot2, &die1, &die2}) dice->Enabled = true;
}

void backgammon::Image1_MouseMove(int, int, int, double, double) { hidemarkers(); }

void backgammon::Image2_MouseMove(int, int, int, double, double) { hidemarkers(); }

int backgammon::dragged(const Control& Source) const {
    const int checker = Source.Index();
    return Image1.exists(checker) && &Image1[checker] == &Source ? checker : 0;
}

// The markers show where the dragged checker may go; the point areas come in front of the
// handles so that the drop lands on a point and not on a checker.
void backgammon::Image1_DragOver(int, Control& Source, double, double, int) {
    const int checker = dragged(Source);
    if (!checker) return;
    const Targets marked = targets(table, checker);
    for (int target = 1; target <= kTray; ++target) Shape3[target].Visible = marked.test(std::size_t(target));
    for (int p = 1; p <= 24; ++p) Image2[p].ZOrder(0);
}

void backgammon::Image2_DragDrop(int Index, Control& Source, double, double) {
    const int checker = dragged(Source);
    if (!checker || Index == table.playerpos[checker]) return;
    dcube.Enabled = false;
    if (!userturn_ || !targets(table, checker).test(std::size_t(Index))) return;
    const UserMove move = moveUser(table, checker, Index);
    playsound(kFlick);
    placeuser(checker, move.to, move.slot);
    Shape1[checker].ZOrder(0);
    if (move.hit) {
        placecomputer(move.hit, kComputerBar, 0);
        Shape2[move.hit].ZOrder(0);
    }
    for (int i = 1; i <= kCheckers; ++i) {
        Shape1[i].Tag = std::to_string(table.playertag[i]);
        Shape2[i].Tag = std::to_string(table.comptag[i]);
    }
    hidemarkers();
    rez(table);
    if (turnOver(table)) handover(Timer3);
}

// Bearing off: only where the dragged checker's targets include the tray.
void backgammon::Image3_DragDrop(Control& Source, double, double) {
    const int checker = dragged(Source);
    if (!checker || !userturn_ || !targets(table, checker).test(kTray)) return;
    bearOff(table, checker);
    Shape1[checker].Visible = false;
    Shape4[table.playeroff].Visible = true;
    placeuser(checker, kUserOff, 0);
    for (int i = 1; i <= kCheckers; ++i) Shape1[i].Tag = std::to_string(table.playertag[i]);
    hidemarkers();
    Image3.ZOrder(0);
    if (table.playeroff == kCheckers) {
        for (Timer* timer : {&Timer1, &Timer2, &Timer3}) timer->Enabled = false;
        userturn_ = false;
        MsgBox("You Win", vbInformation, "You Win");
        endgame(Side::User, true);
        return;
    }
    if (turnOver(table)) handover(Timer3);
}

// The user's double, at any moment the cube is shown, the computer's turn included; the computer
// answers at once from the pip counts.
void backgammon::Image4_Click() {
    if (table.compownscube == 1) return;
    if (MsgBox("Are you sure you wish to double?", vbYesNo + vbInformation, "Double?") != vbYes) return;
    if (userDoubles(table)) {
        showcube();
        return;
    }
    for (Timer* timer : {&Timer1, &Timer2, &Timer3}) timer->Enabled = false;
    MsgBox(compname + " does not accept the double, You Win!");
    endgame(Side::User, false);
}

// Above 64 the cube keeps its last face.
void backgammon::showcube() {
    const std::pair<std::int64_t, const Image*> faces[] = {{1, &cube1},   {2, &cube2},   {4, &cube4}, {8, &cube8},
                                                           {16, &cube16}, {32, &cube32}, {64, &cube64}};
    for (const auto& [value, face] : faces)
        if (table.cubevalue == value) Image4.Picture = face->Picture.get();
}

void backgammon::showpoints() {
    Label3.Caption = std::to_string(table.playerscore);
    Label4.Caption = std::to_string(table.compscore);
}

// No timer moves on and the user's checkers stay put, until a new game.
void backgammon::stopplay() {
    for (Timer* timer : {&Timer1, &Timer2, &Timer3}) timer->Enabled = false;
    userturn_ = false;
    handingover_ = false;
    setdrags();
}

// A game's end, however it came: the points and the game to the winner, who rolls first next, the
// board closed to the user, and the score window, which starts the next game when it closes.
void backgammon::endgame(Side winner, bool borneOff) {
    stopplay();
    winGame(table, winner, borneOff);
    showpoints();
    openscore(true);
}

// The score window with both names and totals. A game that ends while it is already the active
// window (opened from View Score while the computer moves) does not make it active again, so it
// decides the match here.
void backgammon::openscore(bool gameover) {
    const backgammonscore* before = loaded<backgammonscore>();
    const bool alreadyActive = before && activeForm() == before;
    backgammonscore& score = window<backgammonscore>();
    score.Show();
    if (gameover) score.gameover();
    score.showstanding({username, compname, table.playerscore, table.compscore});
    if (gameover && alreadyActive) score.decide();
}

// However a drag ends, on a point, the tray, a label, the cube or outside the window, the handles
// come back in front of the point areas so the checkers can be grabbed again.
void backgammon::Form_DragEnded(Control&) {
    hidemarkers();
    setdrags();
}

// An option item whose ticks fall back on a default item when the file reads back no value.
void backgammon::choose(std::string& option, std::string_view value, std::string_view file,
                        void (backgammon::*tick)()) {
    common::writesetting(option, value, file);
    (this->*tick)();
}

void backgammon::playerfirst_Click() { choose(table.firstroll, "P", kFirstRollFile, &backgammon::tickfirst); }

void backgammon::compfirst_Click() { choose(table.firstroll, "C", kFirstRollFile, &backgammon::tickfirst); }

void backgammon::Random_Click() { choose(table.firstroll, "R", kFirstRollFile, &backgammon::tickfirst); }

// The checkers take the colour chosen at once, whatever the file reads back.
void backgammon::yellow_Click() {
    choose(settings.colour, "Y", kColourFile, &backgammon::tickcolour);
    colourcheckers(true);
}

void backgammon::red_Click() {
    choose(settings.colour, "R", kColourFile, &backgammon::tickcolour);
    colourcheckers(false);
}

void backgammon::doublecubeon_Click() { choose(settings.cube, "ON", kCubeFile, &backgammon::tickcube); }

void backgammon::doublecubeoff_Click() { choose(settings.cube, "OFF", kCubeFile, &backgammon::tickcube); }

// A match length the file does not read back leaves the ticks as they were.
void backgammon::choosematch(std::string_view games) {
    common::writesetting(settings.matchlength, games, kMatchFile);
    common::tickoption(settings.matchlength, matchitems());
}

void backgammon::f3_Click() { choosematch("3"); }

void backgammon::f5_Click() { choosematch("5"); }

void backgammon::f7_Click() { choosematch("7"); }

void backgammon::f9_Click() { choosematch("9"); }

void backgammon::viewscore_Click() { openscore(false); }

