#pragma once

#include "games/fortythieves/fortythieves_table.h"

#include "common/gamewindow.h"
#include "core/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// The Forty Thieves solitaire with two decks: ten columns dealt four deep, eight foundations built
// up from the ace by rank alone, and a stock turned one card at a time onto a waste, once. A free
// card (a column's top card or the waste's) goes onto the next higher card of its suit in any
// column, onto an empty column or onto a foundation. The rules act on `table`; the window shows
// it, and a drop takes the dragged card from the drop itself.
class fortythieves : public common::GameWindow {
public:
    fortythieves();
    // New Game with a deal chosen by the caller instead of the shuffle: the codes of cards 1..104.
    void dealKnown(const std::array<std::int16_t, fortythievesrules::kCards>& order);

    // Back to front as designed: the drop areas (in column order, so where two overlap the
    // right-hand one, lying over its own column's cards, takes the drop), the placeholders, the
    // foundations, the stock picture and the cards.
    platform::ControlArray<platform::Image> Image2{*this, 1, fortythievesrules::kColumns};
    platform::ControlArray<platform::Image> blankslot{*this, 1, fortythievesrules::kColumns};
    platform::ControlArray<platform::Image> slot{*this, 1, fortythievesrules::kFoundations};
    platform::Image deckpic{*this};
    platform::ControlArray<platform::Image> Image1{*this, 1, fortythievesrules::kCards};

    platform::Menu newgame{file, "New Game", div};
    platform::Menu deal{file, "Deal", div};

    fortythievesrules::FortyThievesTable table;

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void scaletable(core::ScreenKind screen);
    void clearthetable();
    void shuffle();
    void showfaces(int from, int to);
    void redeal();
    void placeholders();
    void reallydeal();
    void showtable();
    void fitcolumns();
    int dragged(const platform::Control& source) const;
    void flick();

    void deal_Click();
    void newgame_Click();
    void deckpic_Click();
    void Image1_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void Image2_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void blankslot_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void slot_DragDrop(int Index, platform::Control& Source, double X, double Y);

    // The latest moment of the table's bringing forward that the pictures already show.
    int shownraise = 0;
};
