#pragma once

#include "platform/controls.h"
#include "platform/form.h"

// The points of the two Euchre teams. Closed after a hand ("DONE") it deals the next with the next
// dealer; after the last hand of a game ("OVER") it starts a new game; opened from the menu it
// only gives the table back.
class euchrescore : public platform::Form {
public:
    euchrescore();

    // The team names and points from the table.
    void showpoints();

    platform::Label Label1{*this}, Label2{*this};  // team 1's names, team 2's names
    platform::Label Label3{*this}, Label4{*this};  // their points
    platform::Line Line1{*this};
    platform::TextBox Text1{*this};  // the flag: "DONE", "OVER" or the design's "Text1"

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
