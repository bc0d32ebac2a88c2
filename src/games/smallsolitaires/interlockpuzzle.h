#pragma once

#include "games/smallsolitaires/interlock_table.h"

#include "common/gamewindow.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// The Interlock Puzzle: the ace to the eight of spades on a three-by-three grid of dark red cells,
// one cell blank. A click on a card beside the blank cell, in its row or its column, slides the
// card into it; the puzzle is solved with the ace to the eight in order from the top left. The
// rules act on `table`; the window shows it.
class interlockpuzzle : public common::GameWindow {
public:
    interlockpuzzle();
    // A deal chosen by the caller: the blank cell and the face of each card image 1..8.
    void dealKnown(int blank, const std::array<std::int16_t, 8>& faces);

    // The cells lie behind the cards; only the blank one shows.
    platform::ControlArray<platform::Image> Image2{*this, 1, 9};
    platform::ControlArray<platform::Image> Image1{*this, 1, 8};
    platform::Menu newgame{file, "New Game", div};

    interlockrules::InterlockTable table;

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void makecards();
    void showfaces();
    void setcards();

    void Image1_Click(int Index);
    void newgame_Click();
};
