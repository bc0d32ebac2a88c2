#pragma once

#include <string_view>

// The game windows the benchmarks open, each by its entry in the game chooser (the catalog's text),
// whose opener they call as a click on its picture would. A game adds its line here once its window
// is built: one entry per line, in alphabetical order.
namespace bench {

inline constexpr std::string_view kGameWindows[] = {
    "Accordion",
    "Calculation",
    "Card Memorization",
    "Card Memorization (Big)",
    "Card Memorization (Small)",
    "Color Memorization",
    "Crazy 8s",
    "Euchre",
    "Fore and Aft",
    "Forty Thieves",
    "Gin Rummy",
    "Golf",
    "Hangman",
    "Hearts",
    "Interlock Puzzle",
    "Nestor",
    "Sea War",
    "Spades",
    "Tic-Tac-Toe",
    "Towers of Hanoi (Large)",
    "Towers of Hanoi (Medium)",
    "Towers of Hanoi (Small)",
    "War",
};

}  // namespace bench
