#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <array>
#include <functional>
#include <string>

// What the score window needs of the Hearts table, which connects itself when it is made: the
// table window while it is loaded (null otherwise), its four lines "name: total", and its next
// hand, which returns whether it dealt.
struct HeartsScoreTable {
    std::function<platform::Form*()> loaded;
    std::function<std::array<std::string, 4>()> lines;
    std::function<bool()> nexthand;
};

// The four game totals of the Hearts table, one line per seat. Closed after a hand, it deals the
// next one; opened from the View menu it only shows the totals.
class heartsscore : public platform::Form {
public:
    heartsscore();

    static void connect(HeartsScoreTable table);

    // Writes the four lines from the table's names and totals.
    void showtotals();

    platform::Label Label1{*this}, Label2{*this}, Label3{*this}, Label4{*this};

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
