#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <functional>
#include <string>

// The values the score window copies from the Gin Rummy table, as text.
struct GinScoreValues {
    std::string username, computername;  // the two name labels
    std::string userunmatched;            // the user's unmatched total
    std::string usertotal, computertotal; // the game totals
};

// What the score window needs of the table, which connects itself when it is made: the table
// window while it is loaded (null otherwise), its current values, and its next hand.
struct GinScoreTable {
    std::function<platform::Form*()> loaded;
    std::function<GinScoreValues()> values;
    std::function<void()> nexthand;
};

// The Gin Rummy score window: both names, game totals and unmatched totals. Closed with
// `dealsnext` set, which a hand's end sets, it deals the next hand; opened from the View menu it
// carries no flag and closing it only frees the table.
class ginscore : public platform::Form {
public:
    ginscore();

    static void connect(GinScoreTable table);

    // Writes the names, the user's unmatched total and both game totals.
    void showvalues(const GinScoreValues& values);

    platform::Label Label1{*this}, Label2{*this};  // names: the user, the computer
    platform::Label Label3{*this}, Label4{*this};  // row headings
    platform::Label Label6{*this}, Label8{*this};  // game totals
    platform::Label Label5{*this}, Label7{*this};  // unmatched totals
    platform::Line Line1{*this}, Line2{*this};
    bool dealsnext = false;  // closing deals the table's next hand

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
