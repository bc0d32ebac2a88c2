#include "games/euchre/euchrescore.h"

#include "common/locks.h"

using namespace platform;

namespace {

EuchreScoreTable& owner() {
    static EuchreScoreTable connected;
    return connected;
}

Form* table() { return owner().loaded ? owner().loaded() : nullptr; }

}  // namespace

euchrescore::euchrescore() {
    Caption = "Score";
    setClientSize(5340, 1725);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    const std::pair<Label*, std::array<double, 2>> labels[] = {
        {&Label1, {240, 240}}, {&Label2, {2880, 240}}, {&Label3, {240, 960}}, {&Label4, {2880, 960}}};
    for (const auto& [label, at] : labels) {
        label->Move(at[0], at[1], 2175, 375);
        label->Font.Name = "Verdana";
        label->Font.Size = 8.25;
    }
    Line1.X1 = 2640;
    Line1.Y1 = 120;
    Line1.X2 = 2640;
    Line1.Y2 = 1560;
}

void euchrescore::connect(EuchreScoreTable table) { owner() = std::move(table); }

void euchrescore::Form_Load() {
    common::lockowner(table());
    showpoints();
}

void euchrescore::showpoints() {
    if (!table()) return;
    const std::array<std::string, 4> captions = owner().captions();
    Label1.Caption = captions[0];
    Label2.Caption = captions[1];
    Label3.Caption = captions[2];
    Label4.Caption = captions[3];
}

void euchrescore::Form_Unload(int&) {
    common::releaseowner(table());
    const OnClose then = onclose;
    onclose = OnClose::Nothing;
    // At the end of the run the table goes too: no hand or game is started on the way out.
    if (!table() || platform::runEnding()) return;
    if (then == OnClose::NextHand) {
        Hide();
        owner().nexthand();
    } else if (then == OnClose::NewGame) {
        Hide();
        owner().newgame();
    }
}
