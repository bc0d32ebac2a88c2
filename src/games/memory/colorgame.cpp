#include "games/memory/colorgame.h"

#include "games/memory/colorgamescores.h"

#include "art/color_pads.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/question.h"
#include "common/scaling.h"
#include "common/settings.h"
#include "core/chance.h"
#include "core/rndnum.h"

#include <algorithm>
#include <array>
#include <string>

using namespace platform;
using namespace colorrules;

namespace {

constexpr std::string_view kSpeedFile = "\\colorspeed.dat";
constexpr std::string_view kPrefix = "color";

struct PadPlace {
    double left, top, width, height;
};
constexpr std::array<PadPlace, kPads> kPadPlaces{{
    {835, 720, 2655, 2715},
    {3435, 720, 2640, 2700},
    {840, 3375, 2700, 2580},
    {3480, 3360, 2595, 2595},
}};
// Where the pictures wait, right of the visible area.
constexpr double kOutOfSight = 7000;
constexpr int kLitMs = 300;
constexpr int kDarkBetweenStepsMs = 60;

}  // namespace

colorgame::colorgame() : GameWindow("color", "colormem") {
    design();
    colorgamescores::connectgame<colorgame>();
    on(main.Click, &colorgame::main_Click);
    on(Timer1.Tick, &colorgame::Timer1_Timer);
    on(Timer2.Tick, &colorgame::Timer2_Timer);
    on(Timer3.Tick, &colorgame::Timer3_Timer);
    on(newgame.Click, &colorgame::newgame_Click);
    on(high.Click, &colorgame::high_Click);
    on(slow.Click, &colorgame::slow_Click);
    on(medium.Click, &colorgame::medium_Click);
    on(fast.Click, &colorgame::fast_Click);
}

void colorgame::design() {
    Caption = "Color Memorization Game";
    Width = 6645;
    Height = 6810;
    BackColor = vbBlack;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;

    Image* pictures[] = {&yellow, &yellowlight, &green, &greenlight, &red, &redlight, &blue, &bluelight};
    for (int k = 0; k < 2 * kPads; ++k) {
        Image& picture = *pictures[k];
        picture.Picture = platform::Picture(art::colorPad(k / 2 + 1, k % 2 == 1));
        picture.Move(kOutOfSight, 0);
        picture.Visible = false;
    }
    for (auto& [pad, image] : main) {
        const PadPlace& place = kPadPlaces[static_cast<std::size_t>(pad - 1)];
        image->Move(place.left, place.top, place.width, place.height);
        image->Enabled = false;
    }
    normalpads();

    Label1.Move(240, 240, 3135, 375);
    Label1.Caption = "Score: 0";
    Label1.Font.Name = "Verdana";
    Label1.Font.Size = 12;
    Label1.Font.Bold = true;
    Label1.ForeColor = RGB(255, 255, 0);
    Label1.BackStyle = vbTransparent;
}

void colorgame::Form_Load() {
    std::string word;
    common::readsetting(word, kSpeedFile);
    takespeed(word);
    tickspeed();
    scalewindow();
    common::lockmain();
    core::Randomize();
}

void colorgame::scalewindow() {
    const core::ScaleChoice choice = common::setscale(*this, {0.78f, 1.0f});
    scale = choice.scale;
    if (core::smallscreen(choice)) Label1.Font.Size = 10;
    common::scaleit(*this, scale);
    double bottom = 0;
    for (auto& [pad, image] : main) {
        image->Stretch = true;
        common::scaleit(*image, scale);
        bottom = std::max(bottom, image->Top + image->Height);
    }
    common::scaleit(Label1, scale);
    // On the smallest screen the lower pads would lose their edge to the frame.
    common::holdclient(*this, ScaleWidth(), bottom);
}

void colorgame::Form_Activate() {
    common::lockmain();
    loadscores();
}

void colorgame::Form_Unload(int&) {
    common::releasemain();
    platform::unload<colorgamescores>();
}

void colorgame::loadscores() { best = common::loadtopthree(kPrefix); }

int colorgame::drawpad() {
    const auto entry = static_cast<std::size_t>(game.level);
    return entry < known_.size() ? known_[entry] : core::rndnum(kPads);
}

void colorgame::dealKnown(std::vector<int> order) {
    known_ = std::move(order);
    newgame_Click();
}

void colorgame::enablepads(bool on) {
    for (auto& [pad, image] : main) image->Enabled = on;
}

void colorgame::normalpads() {
    const Image* normal[] = {&yellow, &green, &red, &blue};
    for (auto& [pad, image] : main) image->Picture = normal[pad - 1]->Picture.get();
}

// Every lighting restarts the un-lighting, so a pad shows for its whole time or until the next
// playback step. In a playback it goes dark a moment before the next step: a pad played twice in
// a row must show twice, even at the fastest speed, where a step is no longer than a lighting.
void colorgame::light(int pad, int ms) {
    const Image* lit[] = {&yellowlight, &greenlight, &redlight, &bluelight};
    main[pad].Picture = lit[pad - 1]->Picture.get();
    Timer2.Enabled = false;
    Timer2.Interval = ms;
    Timer2.Enabled = true;
}

// The pads stay disabled from the start of every pause until the playback hands over: a click in
// the pause would be judged against a pad not yet shown.
void colorgame::newgame_Click() {
    Label1.Caption = scoreCaption(0);
    Timer1.Enabled = false;
    colorrules::newGame(game, [this] { return drawpad(); });
    enablepads(false);
    Timer3.Enabled = true;
}

void colorgame::Timer3_Timer() {
    Timer3.Enabled = false;
    enablepads(false);
    Timer1.Enabled = true;
}

void colorgame::Timer1_Timer() {
    enablepads(false);
    normalpads();
    const Step step = playbackStep(game);
    if (step.handover) {
        Timer1.Enabled = false;
        enablepads(true);
        return;
    }
    light(step.pad, std::min(kLitMs, Timer1.Interval - kDarkBetweenStepsMs));
}

void colorgame::Timer2_Timer() {
    normalpads();
    Timer2.Enabled = false;
}

void colorgame::main_Click(int Index) {
    const Judged judged = judgeClick(game, Index, [this] { return drawpad(); });
    light(Index, kLitMs);
    if (judged == Judged::Right) {
        playsound("waterdrop.wav");
        return;
    }
    if (judged == Judged::LevelUp) {
        playsound("waterdrop.wav");
        Label1.Caption = scoreCaption(score(game));
        enablepads(false);
        Timer3.Enabled = true;
        return;
    }
    playsound("squirt.wav");
    const bool again = common::playagain("You Lost! Play again?");
    isithigh();
    if (again)
        newgame_Click();
    else
        enablepads(false);
}

// Saved after every lost game, whether the table changed or not.
void colorgame::isithigh() {
    common::entertopthree(best, common::playername(), score(game), common::TopOrder::HigherBetter);
    if (!common::savetopthree(best, kPrefix)) loadscores();
}

// Only a different word sets the pace: a new interval restarts the step under way, which choosing
// the speed in force must not do. A word that names no speed leaves the pace as it was.
void colorgame::takespeed(const std::string& word) {
    if (word == speedsetting) return;
    speedsetting = word;
    if (const auto interval = speedInterval(speedsetting)) Timer1.Interval = *interval;
}

// Any other word ticks nothing.
void colorgame::tickspeed() {
    const std::string& word = speedsetting;
    if (!speedInterval(word)) return;
    slow.Checked = word == "SLOW";
    medium.Checked = word == "MED";
    fast.Checked = word == "FAST";
}

// The chosen pace applies at once; the file is then read back, so a write that fails falls back to
// whatever speed the file still names.
void colorgame::setspeed(std::string_view word) {
    takespeed(std::string(word));
    std::string stored;
    common::writesetting(stored, word, kSpeedFile);
    takespeed(stored);
    tickspeed();
}

void colorgame::slow_Click() { setspeed("SLOW"); }

void colorgame::medium_Click() { setspeed("MED"); }

void colorgame::fast_Click() { setspeed("FAST"); }

void colorgame::high_Click() { window<colorgamescores>().Show(); }
