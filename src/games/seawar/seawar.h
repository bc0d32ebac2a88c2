#pragma once

#include "games/seawar/seawar_table.h"

#include "common/gamewindow.h"
#include "common/options.h"
#include "platform/controls.h"

#include <array>
#include <string>
#include <string_view>

// Sea War: the user drags five ships from the dock onto the right-hand grid, then fires at the
// computer's fleet on the left-hand grid while the computer fires back, one shot a second. The
// rules live in plain functions over `table`; the window shows it and its timers call the steps.
class seawar : public common::GameWindow {
public:
    seawar();

    // A new game: the fleet back in the dock, every shot mark gone, a new computer fleet.
    void xstart();
    void newgame_Click();

    seawarrules::SeaWarTable table;
    float scale = 1;
    // The option files' texts, read at each new game and written by the Settings items: who moves
    // first ("1" random, "2" the user, "3" the computer) and the game type ("Classic", "Salvo" or
    // "Volley").
    std::string firstmovesetting, gametypesetting;
    // Where the pointer last held a ship, in the ship's own twips; the drop keeps it there.
    struct Grab {
        double x = 0, y = 0;
    } grab;

    // The three ship pictures every ship and template shares, and the pegs' two pictures.
    platform::Picture dockpicture, sidepicture, uppicture;
    platform::Picture hitpeg, misspeg;

    platform::CommandButton Command1{*this};  // Rotate
    platform::CommandButton Command2{*this};  // Done

    // Off the window: the pictures the ships copy from.
    platform::Frame Frame2{*this};
    platform::Image cruiserdis{Frame2}, destroyerdis{Frame2}, submarinedis{Frame2}, battleshipdis{Frame2},
        accdis{Frame2};
    platform::Image cruiserside1{Frame2}, destroyerside1{Frame2}, subside1{Frame2}, battleshipside1{Frame2},
        accside1{Frame2};
    platform::Image cruiserup{Frame2}, destroyerup{Frame2}, subup{Frame2}, battleshipup{Frame2}, accup{Frame2};

    // The enemy side, in front of the dock and both buttons once it shows.
    platform::Frame Frame1{*this};
    platform::Shape Shape1{*this};            // the dock
    platform::Image Image2{Frame1};           // the enemy grid's water
    platform::ControlArray<platform::Image> Image1{{{Frame1, 1, 100}, {*this, 101, 200}}};  // the cells
    platform::ControlArray<platform::Line> Line1{{{Frame1, 0, 21}, {*this, 22, 43}}};
    platform::Image cruiserside{*this}, destroyerside{*this}, subside{*this}, battleshipside{*this}, accside{*this};
    platform::Label Label1{*this};
    platform::ControlArray<platform::Image> Shape2{{{Frame1, 1, 100}, {*this, 101, 200}}};  // the pegs
    platform::Label Label2{Frame1};           // the message line
    platform::Image Image4{*this};            // the drop zone over the user's grid
    platform::Image Image3{*this};            // the user's grid's water

    platform::Timer Timer1{*this, 1000, false};  // one computer shot per tick
    platform::Timer Timer2{*this, 1000, false};  // clears the message line

    platform::Menu newgame{file, "New Game", div};
    platform::Menu settings{*this, "Settings", sound};
    platform::Menu firstmove{settings, "First Move"};
    platform::Menu mefirst{firstmove, "Me"};
    platform::Menu computer{firstmove, "Computer"};
    platform::Menu Random{firstmove, "Random"};
    platform::Menu gametype{settings, "Game Type"};
    platform::Menu classic{gametype, "Classic"};
    platform::Menu salvo{gametype, "Salvo "};
    platform::Menu volley{gametype, "Volley"};

    // A ship's picture on the window and its templates, by ship number 1..5.
    platform::Image& shippicture(int ship);
    platform::Image& docktemplate(int ship);
    platform::Image& sidetemplate(int ship);
    platform::Image& uptemplate(int ship);

private:
    void design();
    void designcells();
    void designships();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void layout();
    void fitwindow();
    void zgame();
    // The option items in the order their values are compared.
    std::array<common::OptionItem, 3> firstmoves();
    std::array<common::OptionItem, 3> gametypes();
    void restack();
    void enableenemy(bool on);
    void placepeg(int cell, bool hit);
    int shipof(const platform::Control& control);
    void choosefirstmove(std::string_view value);
    void choosegametype(std::string_view value);

    void ship_MouseMove(int ship, double X, double Y);
    void Image4_DragDrop(platform::Control& Source, double X, double Y);
    void Command1_Click();
    void Command2_Click();
    void Image1_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void mefirst_Click();
    void computer_Click();
    void Random_Click();
    void classic_Click();
    void salvo_Click();
    void volley_Click();
};
