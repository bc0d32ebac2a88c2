#pragma once

#include "platform/controls.h"
#include "platform/form.h"

// The two teams' bags and scores. Closed after a hand (its flag reads "DONE") it decides the game:
// a win or a loss asks to play again, anything else deals the next hand. Opened from the menu it
// only shows the totals.
class Spadescore : public platform::Form {
public:
    Spadescore();

    platform::Label Label3{*this}, Label4{*this};  // the team names
    platform::Label Label1{*this}, Label5{*this}, Label6{*this};  // bags: ours, theirs
    platform::Line Line1{*this};
    platform::Label Label2{*this}, Label8{*this}, Label7{*this};  // scores: ours, theirs
    platform::TextBox Text1{*this};  // "DONE" from the end of a hand until the window closes

private:
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void decide();
};
