#include "games/spades/spadescore.h"

#include "games/spades/spades_scoring.h"

#include "common/locks.h"
#include "common/question.h"
#include "platform/files.h"

using namespace platform;

namespace {

SpadesScoreTable& owner() {
    static SpadesScoreTable connected;
    return connected;
}

Form* table() { return owner().loaded ? owner().loaded() : nullptr; }

void designLabel(Label& label, std::string caption, double left, double top, double width) {
    label.Move(left, top, width, 375);
    label.Caption = std::move(caption);
    label.Font.Name = "Verdana";
    label.Font.Size = 8.25;
}

}  // namespace

Spadescore::Spadescore() {
    Caption = "Score";
    Move(45, 435);
    // The design's size is its inside: the frame around it would otherwise cut off the score row.
    setClientSize(5400, 2565);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    designLabel(Label3, "Your Team", 960, 240, 1935);
    designLabel(Label4, "Their Team", 3240, 240, 1935);
    designLabel(Label1, "Bags:", 120, 960, 1095);
    designLabel(Label5, "", 1320, 960, 1575);
    designLabel(Label6, "", 3240, 960, 1575);
    Line1.X1 = 120;
    Line1.Y1 = 1560;
    Line1.X2 = 5160;
    Line1.Y2 = 1560;
    designLabel(Label2, "Score:", 120, 1920, 1095);
    designLabel(Label8, "", 1320, 1920, 1575);
    designLabel(Label7, "", 3240, 1920, 1575);
}

void Spadescore::connect(SpadesScoreTable table) { owner() = std::move(table); }

void Spadescore::Form_Activate() { common::lockowner(table()); }

void Spadescore::Form_Unload(int&) {
    common::releaseowner(table());
    // At the end of the run the table goes too: no hand or game is started on the way out.
    const bool decides = handdone && !platform::runEnding();
    handdone = false;
    if (decides) {
        Hide();
        decide();
    }
}

// After a hand: a team at the target wins, one at minus the target loses, or the next hand follows.
void Spadescore::decide() {
    if (!table()) return;
    const std::array<int, 2> scores = owner().scores();
    const int target = spadesrules::targetOf(owner().target());
    switch (spadesrules::ending(scores[spadesrules::kOurs], scores[spadesrules::kTheirs], target)) {
    case spadesrules::Ending::Won:
        if (common::playagain("You Win, Play again?", common::kPlayAgain)) owner().newgame();
        return;
    case spadesrules::Ending::Lost:
        if (common::playagain("You Lost, Play again?", common::kPlayAgain)) owner().newgame();
        return;
    case spadesrules::Ending::NextHand:
        owner().nexthand();
        return;
    }
}
