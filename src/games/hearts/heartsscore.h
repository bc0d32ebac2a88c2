#pragma once

#include "platform/controls.h"
#include "platform/form.h"

// The four game totals of the Hearts table, one line per seat. Closed after a hand, it deals the
// next one; opened from the View menu it only shows the totals.
class heartsscore : public platform::Form {
public:
    heartsscore();

    // Writes the four lines from the table's names and totals.
    void showtotals();

    platform::Label Label1{*this}, Label2{*this}, Label3{*this}, Label4{*this};

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void nexthand();
};
