#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <string>

// The state of the Accordion table, shared by the window and the plain rules. A deal puts the 52
// cards into positions 1..52 in deal order: positions 1..pilecount are the piles on the table, the
// positions after them up to slotend - 1 the stock, still in deal order, and the positions from
// slotend on hold no card. Arrays by position run 1 to 52; index 0 is unused.
namespace accordionrules {

inline constexpr int kSlots = 52;
// Where a slot waits until the stock first deals into it, at every screen size.
inline constexpr double kOffTable = -5000;

using Codes = std::array<std::int16_t, kSlots + 1>;

// What the slot image of a position holds: its face (the card code of the picture, 0 for none), its
// tag and the rank and suit word read from the face. A move carries the four along together.
struct Record {
    std::int16_t card = 0;
    std::int16_t tag = 0;
    std::int16_t cardrank = 0;
    core::MaybeSuit cardsuit;

    friend bool operator==(const Record&, const Record&) = default;
};

// What stays with the position when the records move: its place on the table and whether it shows.
struct Place {
    double Left = kOffTable;
    double Top = kOffTable;
    bool Visible = true;

    friend bool operator==(const Place&, const Place&) = default;
};

struct AccordionTable {
    Codes deckorder{};  // the card code dealt to each position, window order
    Codes cardused{};   // the shuffle's marks, by code
    std::array<Record, kSlots + 1> slot{};
    std::array<Place, kSlots + 1> place{};

    float scale = 1;                    // the window's size factor
    std::int16_t colstep = 1280;        // horizontal step between neighbouring places
    std::int16_t rowstep = 1860;        // used only for the top of position 26
    std::int16_t identslot = 1;         // laidout + 1: the next position to be given a place
    std::int16_t laidout = 0;           // positions given a place on the table in this deal
    std::int16_t dealtcount = 0;        // cards taken from the stock
    std::int16_t pilecount = 0;         // piles on the table
    std::int16_t slotend = kSlots + 1;  // one past the last position that holds a card
    std::int16_t movetarget = 0;        // where the last accepted move landed
    std::string movekind;               // "left" or "leftthree" for the last accepted move

    friend bool operator==(const AccordionTable&, const AccordionTable&) = default;
};

}  // namespace accordionrules
