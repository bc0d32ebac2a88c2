#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <functional>
#include <string>

// What the score window needs of the Spades table, which connects itself when it is made: the
// table window while it is loaded (null otherwise), its target as read from the target file, the
// teams' scores (ours, theirs), a new game and the next hand.
struct SpadesScoreTable {
    std::function<platform::Form*()> loaded;
    std::function<std::string()> target;
    std::function<std::array<int, 2>()> scores;
    std::function<void()> newgame;
    std::function<void()> nexthand;
};

// The two teams' bags and scores. Closed after a hand (`handdone`) it decides the game:
// a win or a loss asks to play again, anything else deals the next hand. Opened from the menu it
// only shows the totals.
class Spadescore : public platform::Form {
public:
    Spadescore();

    static void connect(SpadesScoreTable table);

    platform::Label Label3{*this}, Label4{*this};  // the team names
    platform::Label Label1{*this}, Label5{*this}, Label6{*this};  // bags: ours, theirs
    platform::Line Line1{*this};
    platform::Label Label2{*this}, Label8{*this}, Label7{*this};  // scores: ours, theirs

    // Set by the table at the end of a hand, cleared when the window closes.
    bool handdone = false;

private:
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void decide();
};
