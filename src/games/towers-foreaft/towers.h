#pragma once

#include "games/towers-foreaft/towers_rules.h"

#include "common/gamewindow.h"
#include "platform/controls.h"

// Towers of Hanoi: n discs on the first of three pegs, moved one at a time by dragging a top disc
// onto another peg's picture, never onto a smaller disc. The three sizes are this one window with
// its disc count; each size is a window class of its own (`towers1`, `towers2`, `towers3`) only so
// that the chooser opens each on its own.
class towers : public common::GameWindow {
public:
    void newgame();

    towersrules::TowersTable table;

    // The pegs, drop targets behind the discs.
    platform::ControlArray<platform::Image> Image1{*this, 1, 3};
    platform::ControlArray<platform::Image> piece;
    platform::Menu newgame1{file, "New Game", div};

protected:
    explicit towers(int n);

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void showdrag();
    void Image1_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void newgame1_Click();

    const towersrules::TowersDesign& design_;
    float scale = 1;
};

class towers1 : public towers {
public:
    towers1() : towers(4) {}
};

class towers2 : public towers {
public:
    towers2() : towers(5) {}
};

class towers3 : public towers {
public:
    towers3() : towers(6) {}
};
