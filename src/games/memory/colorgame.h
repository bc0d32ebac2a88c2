#pragma once

#include "games/memory/memory_color.h"

#include "common/gamewindow.h"
#include "common/topthree.h"
#include "platform/controls.h"

#include <string>
#include <string_view>
#include <vector>

// Color Memorization: the four pads light up in a growing sequence, which the player repeats by
// clicking them. The rules live in plain functions over `game`; the window lights the pads, runs
// the pause, the playback and the un-lighting on its timers and keeps the top-three table.
class colorgame : public common::GameWindow {
public:
    colorgame();

    // A game of one pad, played back after a pause; also Yes to the question after a wrong click.
    void newgame_Click();
    // Offers the score of the lost game to the top-three table and saves the table.
    void isithigh();
    // A new game whose sequence takes the pads given, entry by entry, as far as they go.
    void dealKnown(std::vector<int> order);
    // The table as the window keeps it.
    common::TopThree scores() const { return best; }

    colorrules::ColorTable game;
    // The text of "\colorspeed.dat" as read at load and as last chosen; it decides the playback's pace.
    std::string speedsetting;
    // The three best scores as last read or entered.
    common::TopThree best;
    float scale = 1;

    platform::ControlArray<platform::Image> main{*this, 1, 4};
    // Each pad's normal and lit pictures, kept out of sight.
    platform::Image yellow{*this}, yellowlight{*this};
    platform::Image green{*this}, greenlight{*this};
    platform::Image red{*this}, redlight{*this};
    platform::Image blue{*this}, bluelight{*this};
    platform::Label Label1{*this};  // the score
    platform::Timer Timer1{*this, 500, false};  // a playback step
    platform::Timer Timer2{*this, 300, true};   // the pads back to normal
    platform::Timer Timer3{*this, 1000, false}; // the pause before a playback

    platform::Menu newgame{file, "New Game", div};
    platform::Menu view{*this, "View", sound};
    platform::Menu high{view, "High Scores"};
    platform::Menu gamespeed{*this, "Game Speed", sound};
    platform::Menu slow{gamespeed, "Slow"};
    platform::Menu medium{gamespeed, "Medium"};
    platform::Menu fast{gamespeed, "Fast"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void scalewindow();
    void loadscores();
    int drawpad();
    void enablepads(bool on);
    void normalpads();
    void light(int pad, int ms);
    void takespeed(const std::string& word);
    void tickspeed();
    void setspeed(std::string_view word);

    void main_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void slow_Click();
    void medium_Click();
    void fast_Click();
    void high_Click();

    std::vector<int> known_;
};
