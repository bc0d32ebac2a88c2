#pragma once

#include <array>
#include <cstdint>
#include <string>

// The state of a Hangman puzzle and the running score, shared by the window and the plain rules.
namespace hangmanrules {

inline constexpr int kFirstEntry = 101;
inline constexpr int kLastEntry = 175;
inline constexpr int kEntries = kLastEntry - kFirstEntry + 1;
inline constexpr int kTiles = 15;      // the longest answer, one tile per character
inline constexpr int kLetters = 26;
inline constexpr int kLostAt = 7;      // `wrongcount` after the sixth wrong guess
inline constexpr int kLetterScore = 1000;

struct HangmanTable {
    int puzzlenum = 0;      // the word-list entry in play, 101 to 175
    int letterstofind = 0;  // the answer's length less its blanks
    int lettersfound = 0;   // answer positions revealed by letter buttons
    int wrongcount = 1;     // wrong guesses plus one
    std::int32_t score = 0;
    std::string txtword;    // the answer
    std::string txtcat;     // its category word
    std::array<bool, kLetters + 1> used{};  // by letter button 1..26: guessed in this puzzle
};

}  // namespace hangmanrules
