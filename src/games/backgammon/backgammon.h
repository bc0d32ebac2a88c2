#pragma once

#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_table.h"
#include "common/gamewindow.h"
#include "common/options.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The options as last read from or written to their files.
struct BackgammonOptions {
    std::string colour;       // exactly "Y": the user plays yellow; anything else red
    std::string matchlength;  // the games in a match
    std::string cube;         // exactly "ON": the doubling cube is in use
};

// Backgammon: the user against one named computer player. The rules live in plain functions over
// `table`; the window places the checkers, shows the targets of a drag, throws the dice and runs
// the hand-over and move timers. It never disables the main window.
//
// The user's checkers are the discs Shape1(1..15), dragged by their transparent handles
// Image1(1..15); the computer's are Shape2(1..15). The point areas Image2(1..24) take drops
// during a drag, when they lie in front of the handles; otherwise the handles lie in front.
class backgammon : public common::GameWindow {
public:
    backgammon();

    // A new game of the running match, and a new match.
    void startup();
    void startmeup();
    void newstuff_Click();
    // Puts every checker, slab and depth where `table` says; a new game and tests that set a
    // board use it.
    void layout();
    // The user's roll with dice chosen by the caller instead of thrown.
    void rollKnown(int die1value, int die2value);
    // Whether the user may move checkers now: from the roll until the turn is handed over.
    bool userturn() const { return userturn_; }
    bool cubeinuse() const { return settings.cube == "ON"; }

    bgrules::BackgammonTable table;
    BackgammonOptions settings;
    // The names the board shows: the user's and the computer player's picked for this board.
    std::string username, compname;
    float scale = 1;

    // Back to front, as designed.
    platform::ControlArray<platform::Image> Image2{*this, 0, 24};  // point areas; 0 the computer's tray
    platform::Image Image3{*this};                                 // the user's bear-off tray
    platform::Image diespot2{*this};
    platform::Image diespot1{*this};
    platform::Image die1{*this}, die2{*this};
    platform::Image one{*this}, two{*this}, three{*this}, four{*this}, five{*this}, six{*this};
    platform::Image cube1{*this}, cube2{*this}, cube4{*this}, cube8{*this}, cube16{*this}, cube32{*this},
        cube64{*this};
    platform::Image Image4{*this};                                 // the doubling cube
    platform::ControlArray<platform::Shape> Shape4{*this, 0, 15};  // the user's tray slabs
    platform::ControlArray<platform::Shape> Shape5{*this, 0, 15};  // the computer's tray slabs
    platform::ControlArray<platform::Shape> Shape3{*this, 0, 25};  // target markers; 25 the tray
    platform::Label Label1{*this}, Label2{*this};                  // the user's and the computer's names
    platform::Label Label3{*this}, Label4{*this};                  // match points, hidden
    platform::ControlArray<platform::Shape> Shape2{*this, 1, 15};  // the computer's checkers
    platform::ControlArray<platform::Shape> Shape1{*this, 1, 15};  // the user's checkers
    platform::ControlArray<platform::Image> Image1{*this, 1, 15};  // the user's drag handles

    platform::Timer Timer1{*this, 1000, false};  // the computer's moves, one checker a tick
    platform::Timer Timer2{*this, 1, false};     // hands the turn to the computer
    platform::Timer Timer3{*this, 1, false};     // the same; also a game the computer opens

    platform::Menu newstuff{file, "New Game", div};
    platform::Menu options{*this, "Options", sound};
    platform::Menu firstm{options, "First Move"};
    platform::Menu playerfirst{firstm, "Player"};
    platform::Menu compfirst{firstm, "Computer"};
    platform::Menu random{firstm, "Random"};
    platform::Menu playas{options, "Play As"};
    platform::Menu yellow{playas, "Yellow"};
    platform::Menu red{playas, "Red"};
    platform::Menu dcube{options, "Double Cube"};
    platform::Menu doublecubeon{dcube, "On"};
    platform::Menu doublecubeoff{dcube, "Off"};
    platform::Menu dash2{options, "-"};
    platform::Menu f3{options, "Best Score After 3 Games"};
    platform::Menu f5{options, "Best Score After 5 Games"};
    platform::Menu f7{options, "Best Score After 7 Games"};
    platform::Menu f9{options, "Best Score After 9 Games"};
    platform::Menu Scorestuff{*this, "Score", sound};
    platform::Menu viewscore{Scorestuff, "View Score"};

private:
    void design();
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Form_DragEnded(platform::Control& Source) override;
    void setscale();
    void scalecontrols();
    void tickfirst();
    void tickcolour();
    void tickcube();
    std::array<common::OptionItem, 4> matchitems();
    void choose(std::string& option, std::string_view value, std::string_view file, void (backgammon::*tick)());
    void colourcheckers(bool userYellow);
    void stackslabs();

    void setdrags();
    void placeuser(int checker, int point, int count);
    void placecomputer(int checker, int point, int count);
    void showdie(platform::Image& die, int value);
    void hidemarkers();
    void handover(platform::Timer& timer);
    void roll();
    void rollwith(const bgrules::Draw& draw);
    void compturn();
    bool computeroffers();
    void showcube();
    void showpoints();
    void stopplay();
    void endgame(bgrules::Side winner, bool borneOff);
    void openscore(bool gameover);
    // The user's checker a drag carries, 0 when the source is no handle.
    int dragged(const platform::Control& Source) const;

    void Image1_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Image1_DragOver(int Index, platform::Control& Source, double X, double Y, int State);
    void Image2_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Image2_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void Image3_DragDrop(platform::Control& Source, double X, double Y);
    void Image4_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void playerfirst_Click();
    void compfirst_Click();
    void Random_Click();
    void yellow_Click();
    void red_Click();
    void doublecubeon_Click();
    void doublecubeoff_Click();
    void choosematch(std::string_view games);
    void f3_Click();
    void f5_Click();
    void f7_Click();
    void f9_Click();
    void viewscore_Click();

    bool userturn_ = false;
    bool handingover_ = false;
};
