#pragma once

#include "games/towers-foreaft/foreaft_rules.h"

#include "platform/controls.h"
#include "platform/form.h"

// Fore and Aft: eight green and eight red marbles on two three-by-three squares that share their
// corner cell. A click moves a marble into the empty cell by a slide or a jump, animated by a
// timer: `Timer1` for moves up and down, `Timer2` for moves across. The rules act on `board`; the
// window shows it and runs the animation.
class foreaft : public platform::Form {
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
    // The piece last clicked, which a running move moves; and whether it stood on a cell of the
    // empty cell's move list.
    platform::TextBox Text1{*this};
    platform::TextBox Text3{*this};
    platform::RichTextBox RichTextBox1{*this};
    platform::RichTextBox RichTextBox9{*this};
    platform::MediaPlayer player{*this};
    platform::TextBox txtres{*this};
    platform::Timer Timer1{*this, 1};
    platform::Timer Timer2{*this, 1};

    platform::Menu file{*this, "File"};
    platform::Menu new_{file, "New Game"};
    platform::Menu div{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
    platform::Menu Settings{*this, "Settings"};
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
    void exit_Click();
    void onsound_Click();
    void off_Click();
    void backwordsmoves_Click();
    void nobackwardsmoves_Click();

    float scale = 1;
};
