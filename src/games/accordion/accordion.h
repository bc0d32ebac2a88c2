#pragma once

#include "games/accordion/accordion_table.h"

#include "common/faces.h"
#include "common/gamewindow.h"
#include "common/scaling.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>

// The Accordion solitaire. Each click on the stock deals the next card as the last pile of a row
// of piles laid out in six rows; a pile goes onto its left neighbour or onto the third pile to its
// left when the two top cards share their suit or rank, and the row closes up. The rules act on
// `table`; the window shows it: the slots `cardpic` hold the faces, the row images in front of them
// show the same pictures and are what the user drags. A drop knows the dragged pile by the row
// image's index and its card from the table.
class Accordian : public common::GameWindow {
public:
    Accordian();
    // A new deal; the window's load and New Game call it.
    void begin();
    // New Game with a deal chosen by the caller instead of a shuffle: deckorder(1..52).
    void dealKnown(const std::array<std::int16_t, 52>& order);

    // The 52 faces kept in the window.
    common::FaceSet faces;

    // The table: slot k holds the card of position k.
    platform::ControlArray<platform::Image> cardpic{*this, 1, 52};
    platform::Image deck{*this};
    // The row: row image k (`Image`k) shows position k in front of its slot. Every row image but
    // the last takes drops.
    platform::ControlArray<platform::Image> Image{*this, 1, 52};

    platform::Menu newgame{file, "New Game", div};

    accordionrules::AccordionTable table;
    // The screen the window sized itself for when it loaded.
    core::ScreenKind screen = core::ScreenKind::Other;

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    void design();
    void sizewindow(const core::ScaleChoice& choice);
    void lay();
    void movable();
    void reveal();
    void showslots();
    void setpics();
    void mirrorvisibility(int lowest);
    void rowtofront();
    void closegap();

    void deck_Click();
    void Image_DragDrop(int Index, platform::Control& Source, double X, double Y);
    void newgame_Click();
};
