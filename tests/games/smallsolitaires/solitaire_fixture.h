#pragma once

#include "games/smallsolitaires/calculation.h"
#include "games/smallsolitaires/interlockpuzzle.h"
#include "games/smallsolitaires/nestor.h"

#include "solitaire_decks.h"

#include "support/game_window_test.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// Window tests of the three solitaires: each fixture opens its window over the main window
// stand-in with the game's sound switched on; cards are named as "5S" in file order of suits.
namespace solitairetest {

inline int card(std::string_view name) { return gp::cardCode(name, core::SuitOrder::File); }

// The screens a window is laid out for, with the factor it takes on each.
struct Screen {
    int width;
    int height;
    float scale;
};
std::string describe(const Screen& screen);

// What a user could see of a window's cards and drop zones: picture, place, visibility, tag, drag
// mode and whether it takes input, control by control.
struct Look {
    std::vector<std::tuple<platform::Picture, double, double, double, double, bool, std::string, int, bool>> controls;
    bool operator==(const Look&) const = default;
};
Look look(std::initializer_list<const platform::ControlArray<platform::Image>*> arrays);

}  // namespace solitairetest

class CalculationTest : public gp::GameWindowTest {
protected:
    CalculationTest() : GameWindowTest("calculation") {}
    // Opens the window and deals the given order instead of its own shuffle.
    calculation& openWith(const solitairetest::Order& order);
    // Clicks the stock; returns the position of the card it turned.
    int turn(calculation& c);
    solitairetest::Look look(const calculation& c) const;
};

class NestorTest : public gp::GameWindowTest {
protected:
    NestorTest() : GameWindowTest("nestor") {}
    nestor& openWith(const solitairetest::Order& order);
    solitairetest::Look look(const nestor& n) const { return solitairetest::look({&n.Image1}); }
};

class InterlockTest : public gp::GameWindowTest {
protected:
    InterlockTest() : GameWindowTest("interlock") {}
    interlockpuzzle& openWith(int blank, const std::array<std::int16_t, 8>& faces);
    // The card image lying on a cell, 0 for the blank one.
    static int cardOn(const interlockpuzzle& w, int cell);
    // Every card image on the cell its tag names, in front of it, showing its face; the blank
    // cell's dark red shows.
    void expectCardsOnTheirCells(interlockpuzzle& w);
};
