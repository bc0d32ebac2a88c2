#pragma once

#include "games/smallsolitaires/calculation_table.h"

#include "common/gamewindow.h"
#include "core/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// The Calculation solitaire. Four foundations start with an ace, a two, a three and a four and
// build by one, two, three and four, whatever the suits, up to their kings. The stock turns one card
// at a time; a turned card goes onto a foundation that needs its rank or onto one of four waste
// piles, whose top cards go only onto the foundations. The rules act on `table`; the window shows it.
class calculation : public common::GameWindow {
public:
    calculation();
    // A new game; the load, New Game and Yes to the win question call it.
    void startmeup();
    // A new game with the deal chosen by the caller: deckorder(1..52), the four starters first.
    void dealKnown(const std::array<std::int16_t, 52>& order);

    // The waste piles' slots lie behind everything; each marker shows while its pile is empty.
    platform::ControlArray<platform::Image> Image2{*this, 1, 4};
    platform::Shape Shape1{*this};
    platform::Shape Shape2{*this};
    platform::Shape Shape3{*this};
    platform::Shape Shape4{*this};
    platform::ControlArray<platform::Image> Image3{*this, 1, 4};
    platform::Image deckpic{*this};
    // Image1(i) shows the card dealt at position i.
    platform::ControlArray<platform::Image> Image1{*this, 1, 52};
    platform::Menu newgame{file, "New Game", div};

    calculationrules::CalculationTable table;
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow

    // The marker of waste pile p, 1 to 4.
    platform::Shape& marker(int p);

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void scaletable();
    void lay();
    void showtable();
    int dragged(const platform::Control& Source) const;
    void topile(int d, int p);
    void laypile(int p);
    double lowestpiletop() const;

    void deckpic_Click();
    void Image1_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void Image2_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void Image3_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void newgame_Click();
};
