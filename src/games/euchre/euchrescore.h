#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <functional>
#include <string>

// What the score window needs of the Euchre table, which connects itself when it is made: the
// table window while it is loaded (null otherwise), the two teams' names and points, the next
// hand (the next dealer, the deal and making trump) and a new game.
struct EuchreScoreTable {
    std::function<platform::Form*()> loaded;
    std::function<std::array<std::string, 4>()> captions;
    std::function<void()> nexthand;
    std::function<void()> newgame;
};

// The points of the two Euchre teams. Closed after a hand it has the next hand dealt by the next
// dealer; after the last hand of a game it has a new game started; opened from the menu it only
// gives the table back.
class euchrescore : public platform::Form {
public:
    euchrescore();

    static void connect(EuchreScoreTable table);

    // The team names and points from the table.
    void showpoints();

    platform::Label Label1{*this}, Label2{*this};  // team 1's names, team 2's names
    platform::Label Label3{*this}, Label4{*this};  // their points
    platform::Line Line1{*this};

    // What its closing starts, set by the table at the end of a hand; every close clears it.
    enum class OnClose { Nothing, NextHand, NewGame };
    OnClose onclose = OnClose::Nothing;

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
