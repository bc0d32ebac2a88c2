#pragma once

#include "games/towers-foreaft/foreaft_rules.h"

#include "common/gamewindow.h"
#include "platform/controls.h"

// Fore and Aft: eight green and eight red marbles on two three-by-three squares that share their
// corner cell. A click moves a marble into the empty cell by a slide or a jump, animated by a
// timer: `Timer1` for moves up and down, `Timer2` for moves across. The rules act on `board`; the
// window shows it and runs the animation. It has no Help menu.
class foreaft : public common::GameWindow {
public:
    foreaft();
    void startup();

    foreaftrules::ForeAftBoard board;

    platform::ControlArray<platform::Image> Picture1{*this, 1, foreaftrules::kCells};
    platform::ControlArray<platform::Line> Line1{*this, 1, 12};
    platform::ControlArray<platform::Image> picture2{*this, 1, foreaftrules::kPieces};
    // The two marbles the pieces share.
    platform::Image Image2{*this};
    platform::Image Image3{*this};
    platform::Timer Timer1{*this, 1};
    platform::Timer Timer2{*this, 1};

    platform::Menu new_{file, "New Game", div};
    platform::Menu Settings{*this, "Settings", help};
    platform::Menu backwordsmoves{Settings, "Backwards Moves"};
    platform::Menu nobackwardsmoves{Settings, "No Backwards Moves"};

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void rest(int p);
    void tickbackwards();
    void enablepieces(bool enabled);
    void linesfront();
    void move(platform::Timer& timer, bool vertical);
    void check();

    void picture2_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void new_Click();
    void backwordsmoves_Click();
    void nobackwardsmoves_Click();

    float scale = 1;
};
