#pragma once

#include <string_view>

// The puzzle the chooser's Hangman picture shows: an entry of the game's own word list, part
// guessed, so the picture promises only what the game deals.
namespace art::scenes {

struct HangmanPuzzle {
    std::string_view category;  // one of the game's category words
    std::string_view answer;    // spelt as in the word list
    std::string_view guessed;   // the letters clicked so far, right and wrong
};

inline constexpr HangmanPuzzle kHangmanPuzzle{"Thing", "sandwich", "aeiorstu"};

}  // namespace art::scenes
