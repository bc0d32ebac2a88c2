#pragma once

#include "games/smallsolitaires/nestor_table.h"

#include "common/gamewindow.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// The Nestor solitaire. The whole deck lies face up: eight columns of six, no rank twice in a
// column, and a reserve of four below them. A free card (the last of a column, or any reserve card)
// dragged onto another free card of its rank takes both off the table; the game is won when all 52
// are gone. The rules act on `table`; the window shows it.
class nestor : public common::GameWindow {
public:
    nestor();
    // A new deal and layout; the load, New Game and Yes to the win question call it.
    void startup();
    // The same with the deal chosen by the caller: deckorder(1..52).
    void dealKnown(const std::array<std::int16_t, 52>& order);

    // Card image p shows the card dealt at position p, in front of every lower-numbered one.
    platform::ControlArray<platform::Image> Image1{*this, 1, 52};
    platform::Menu new_{file, "New Game", div};

    nestorrules::NestorTable table;
    float scale = 1;

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void lay();
    void showdepths();

    void Image1_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void new_Click();
};
