#pragma once

#include "games/tictactoe-hangman/hangman_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Hangman as plain functions: the word list's entries, a puzzle's layout, and the guesses.
namespace hangmanrules {

inline constexpr std::array<std::string_view, 4> kCategories{"Thing", "Place", "Person", "Title"};

struct Puzzle {
    std::string word;      // the answer
    std::string category;  // the category word
};

// The entry of a number as the word list's search finds it: the first place its three digits
// appear, directly followed by "***", the answer up to "***@@@" and the category up to "@@@!!!".
// Nothing when a marker is missing or the opening marker does not follow the number.
std::optional<Puzzle> findentry(std::string_view list, int number);
// An entry that can be played: an answer of 1 to 15 characters, each "a" to "z" or a blank, with a
// letter at least, and one of the four category words.
bool usable(const Puzzle& puzzle);

struct Choice {
    int number;
    Puzzle puzzle;
};
// The entry drawn when it is usable, otherwise the next usable one in number order, 175 wrapping
// to 101; nothing when no entry of the list is usable.
std::optional<Choice> choosepuzzle(std::string_view list, int drawn);

// "Category: " and the word, for the four category words; empty text for anything else.
std::string categorycaption(std::string_view category);

// A new puzzle: its entry, no guess yet, the gallows bare. The score stays.
void newpuzzlestate(HangmanTable& t, const Choice& choice);

// One letter guessed, "a" to "z": the answer positions (from 1) it reveals, each counted found
// and worth 1000 points.
std::vector<int> guess(HangmanTable& t, char letter);
inline bool solved(const HangmanTable& t) { return t.lettersfound == t.letterstofind; }
// One wrong guess; true when it was the sixth, which loses the puzzle.
bool wrongguess(HangmanTable& t);

}  // namespace hangmanrules
