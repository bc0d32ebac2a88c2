#pragma once

#include <string_view>

// The game windows the benchmarks open, each by its entry in the game chooser (the catalog's text),
// whose opener they call as a click on its picture would. A game adds its line here once its window
// is built: one entry per line, in alphabetical order.
namespace bench {

inline constexpr std::string_view kGameWindows[] = {
    "Accordion",
    "Crazy 8s",
    "Euchre",
    "Gin Rummy",
    "Golf",
    "Hearts",
    "Sea War",
    "Spades",
    "War",
};

}  // namespace bench
