#pragma once

#include "games/towers-foreaft/towers_rules.h"

#include "platform/controls.h"
#include "platform/form.h"

// Towers of Hanoi: n discs on the first of three pegs, moved one at a time by dragging a top disc
// onto another peg's picture, never onto a smaller disc. The three sizes are one design; each is a
// window class of its own (`towers1`, `towers2`, `towers3`), which names its menu items.
class towers : public platform::Form {
public:
    void newgame();

    towersrules::TowersTable table;

    // The pegs, drop targets behind the discs.
    platform::ControlArray<platform::Image> Image1{*this, 1, 3};
    platform::ControlArray<platform::Image> piece;
    // The disc last under the pointer and the peg it lies on.
    platform::TextBox Text1{*this};
    platform::TextBox Text2{*this};
    platform::RichTextBox RichTextBox9{*this};
    platform::MediaPlayer player{*this};
    platform::TextBox txtres{*this};

protected:
    explicit towers(int n);

    // The items every size has, whatever each window calls them.
    struct Items {
        platform::Menu& newgame1;
        platform::Menu& exit;
        platform::Menu& onsound;
        platform::Menu& off;
        platform::Menu& rules;
    };
    // Completes the design once the window's menus exist: the client area holds below the menu bar.
    void connect(const Items& items);

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void showdrag();
    void piece_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Image1_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void newgame1_Click();
    void exit_Click();
    void onsound_Click();
    void off_Click();
    void rules_Click();

    const towersrules::TowersDesign& design_;
    platform::Menu* onsound_ = nullptr;
    platform::Menu* off_ = nullptr;
    float scale = 1;
};

class towers1 : public towers {
public:
    towers1();
    platform::Menu file{*this, "File"};
    platform::Menu newgame1{file, "New Game"};
    platform::Menu div{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
    platform::Menu help{*this, "Help"};
    platform::Menu rules{help, "Rules"};
};

class towers2 : public towers {
public:
    towers2();
    platform::Menu file{*this, "File"};
    platform::Menu newgame1{file, "New Game"};
    platform::Menu div1{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu offsound{sound, "Off"};
    platform::Menu help{*this, "Help"};
    platform::Menu rules{help, "Rules"};
};

class towers3 : public towers {
public:
    towers3();
    platform::Menu file{*this, "File"};
    platform::Menu newgame1{file, "New Game"};
    platform::Menu div1{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
    platform::Menu help{*this, "Help"};
    platform::Menu rules{help, "Rules"};
};
