#include "games/hearts/heartsscore.h"

#include "common/locks.h"

using namespace platform;

namespace {

HeartsScoreTable& owner() {
    static HeartsScoreTable connected;
    return connected;
}

Form* table() { return owner().loaded ? owner().loaded() : nullptr; }

}  // namespace

heartsscore::heartsscore() {
    Caption = "Hearts Score";
    Width = 2745 + 120;   // the inside plus the borders and title bar
    Height = 2955 + 405;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    const char* captions[] = {"Comp #1:", "Comp #2:", "Comp #3:", "Comp #4:"};
    Label* lines[] = {&Label1, &Label2, &Label3, &Label4};
    for (int k = 0; k < 4; ++k) {
        lines[k]->Caption = captions[k];
        lines[k]->Move(240, 240 + 720 * k, 3495, 375);
        lines[k]->Font.Name = "Verdana";
        lines[k]->Font.Size = 8.25;
    }
}

void heartsscore::connect(HeartsScoreTable table) { owner() = std::move(table); }

void heartsscore::Form_Load() {
    common::lockowner(table());
    showtotals();
}

void heartsscore::showtotals() {
    if (!table()) return;
    const std::array<std::string, 4> lines = owner().lines();
    Label* labels[] = {&Label1, &Label2, &Label3, &Label4};
    for (int k = 0; k < 4; ++k) labels[k]->Caption = lines[k];
}

// Only a finished hand deals the next: a trick that ended while the totals were looked at from
// the menu leaves its hand to be played on.
void heartsscore::Form_Unload(int&) {
    common::releaseowner(table());
    // At the end of the run the table goes too: no hand is dealt on the way out.
    if (platform::runEnding()) return;
    if (table() && owner().nexthand()) Hide();
}
