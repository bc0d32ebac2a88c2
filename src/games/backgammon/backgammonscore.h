#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <functional>
#include <string>

// What the score window needs of the Backgammon board, which connects itself when it is made: the
// board window while it is loaded (null otherwise), the games played in the running match, the
// match length's text, the computer's name, its next game and new match, and the end of play
// once the match is decided.
struct BackgammonScoreBoard {
    std::function<platform::Form*()> loaded;
    std::function<int()> gamesplayed;
    std::function<std::string()> matchlength;
    std::function<std::string()> computername;
    std::function<void()> nextgame;
    std::function<void()> newmatch;
    std::function<void()> matchdecided;
};

// The match score: both names and both points totals. Each time it becomes active it decides the
// match once the games played reach the match length. Closed after a game ("DONE" in Text1) it
// starts the next game; after the match is decided ("DONE2") a new match; opened from View Score
// with no flag it only gives the game window back.
class backgammonscore : public platform::Form {
public:
    backgammonscore();

    static void connect(BackgammonScoreBoard board);

    // The match verdict, when the match is over.
    void decide();
    // Closes along with the game window: no flag is acted on and the game window is left alone.
    void dismiss();

    platform::Label Label1{*this}, Label2{*this};  // the user's and the computer's names
    platform::Label Label3{*this}, Label4{*this};  // their points
    platform::Line Line1{*this};
    platform::TextBox Text1{*this};  // the flag: empty, "DONE" or "DONE2"
    platform::TextBox txtres{*this};

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    bool dismissed_ = false;
};
