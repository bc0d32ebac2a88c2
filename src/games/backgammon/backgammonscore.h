#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <cstdint>
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

// The names and points totals the score window shows.
struct BackgammonStanding {
    std::string user, computer;
    std::int64_t userpoints = 0, computerpoints = 0;
};

// The match score: both names and both points totals. Each time it becomes active it decides the
// match once the games played reach the match length. Closed after a game it starts the next game;
// after the match is decided a new match; opened from View Score it only gives the game window
// back.
class backgammonscore : public platform::Form {
public:
    backgammonscore();

    static void connect(BackgammonScoreBoard board);

    // What closing it starts.
    enum class Closing { Nothing, NextGame, NewMatch };

    // The match verdict, when the match is over.
    void decide();
    // A game has just ended: closing starts the next one.
    void gameover() { closing_ = Closing::NextGame; }
    Closing closing() const { return closing_; }
    // Shows the names and totals, whose points decide the match.
    void showstanding(const BackgammonStanding& standing);
    // Closes along with the game window: no flag is acted on and the game window is left alone.
    void dismiss();

    platform::Label Label1{*this}, Label2{*this};  // the user's and the computer's names
    platform::Label Label3{*this}, Label4{*this};  // their points
    platform::Line Line1{*this};

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;

    bool dismissed_ = false;
    Closing closing_ = Closing::Nothing;
    BackgammonStanding standing_;
};
