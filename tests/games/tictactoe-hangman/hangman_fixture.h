#pragma once

#include "games/tictactoe-hangman/hangman.h"
#include "games/tictactoe-hangman/hangmanhighs.h"

#include "support/game_window_test.h"

#include <string>
#include <string_view>
#include <vector>

// Hangman window tests. The word list is written by the test before each puzzle (the window reads
// it at every new puzzle, and a list with one usable entry always plays that entry); what the
// window shows is read back from its pictures.
class HangmanTest : public gp::GameWindowTest {
protected:
    HangmanTest() : GameWindowTest("hangman") {}

    struct Entry {
        int number;
        std::string word;
        std::string category;
    };
    // The word list as the program folder holds it.
    static void wordlist(const std::vector<Entry>& entries);
    // A list whose only entry is this answer, so the next puzzle plays it.
    static void nextanswer(std::string_view word, std::string_view category = "Thing");
    // The top-three files, best first: name, score, name, score, name, score.
    static void storetable(const std::vector<std::string>& six);
    static std::vector<std::string> storedtable();

    hangman& openHangman(std::string_view word, std::string_view category = "Thing");
    // Clicks the letter buttons in order; the boxes they raise must be scripted.
    void guess(hangman& w, std::string_view letters);

    // The visible tiles: "_" for a tile still hidden, " " for a gap, the letter once revealed. A
    // tile that shows none of these shows "?", and a visible tile after a hidden one fails the test.
    static std::string tiles(const hangman& w);
    // The gallows stage shown, 1 to 7; 0 for none of them.
    static int gallows(const hangman& w);
    // Per letter button: upper case while it takes clicks and shows its letter, lower case when it
    // takes none and shows its letter greyed (so it looks as it acts); "-" once it is disabled and
    // shows the used button; "?" otherwise, a disabled letter that still looks clickable included.
    static std::string letters(const hangman& w);
    // The top-three table the window keeps, in the order of `storedtable`.
    static std::vector<std::string> heldtable(const hangman& w);
};
