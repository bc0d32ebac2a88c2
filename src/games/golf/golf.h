#pragma once

#include "games/golf/golf_table.h"

#include "common/faces.h"
#include "common/gamewindow.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// The Golf solitaire: 35 cards face up in seven columns of five, a stock of sixteen and a waste.
// The bottom card of a column goes onto the waste when its rank is one above or below the waste
// card's. The rules act on `table`; the window shows it, putting the window's own faces on the
// card images.
class golf : public common::GameWindow {
public:
    golf();
    // A new deal; other windows may call it.
    void begin();
    // The same deal with a table chosen by the caller instead of a shuffle: deckorder(1..52).
    void dealKnown(const std::array<std::int16_t, 52>& order);

    // The 52 faces kept in the window.
    common::FaceSet faces;

    // 1..35 the table, 36..51 the stock, 52 the waste card behind Image1.
    platform::ControlArray<platform::Image> cardpic{*this, 1, 52};
    platform::Image deck{*this};
    platform::Image Image1{*this};
    platform::Image Image2{*this};
    platform::Image halfdeck{*this};
    platform::Image cardback{*this};
    platform::Menu new_{file, "New Game", div};

    golfrules::GolfTable table;

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void stack();
    void scaletable(float scale);
    void restock();
    void lay();
    void showtable();
    void turn();
    void showstock(int p, bool fromBack);
    void showwaste();

    void cardpic_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Image2_DragDrop(platform::Control& Source, double X, double Y);
    void deck_Click();
    void cardback_Click();
    void new_Click();
};
