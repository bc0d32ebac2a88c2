#include "games/backgammon/backgammonscore.h"

#include "games/backgammon/backgammon_scoring.h"

#include "art/backgammon_geometry.h"
#include "common/locks.h"
#include "common/scaling.h"
#include "platform/boxes.h"

#include <string>
#include <utility>

using namespace platform;

namespace {

BackgammonScoreBoard& owner() {
    static BackgammonScoreBoard connected;
    return connected;
}

Form* board() { return owner().loaded ? owner().loaded() : nullptr; }

}  // namespace

backgammonscore::backgammonscore() {
    Caption = "Backgammon Score";
    // The design's width; tall enough inside for the points row and the rule.
    setClientSize(5145, 1920);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    const std::pair<Label*, std::pair<double, double>> labels[] = {
        {&Label1, {120, 360}}, {&Label2, {2760, 360}}, {&Label3, {120, 1080}}, {&Label4, {2760, 1080}}};
    for (const auto& [label, at] : labels) {
        label->Move(at.first, at.second, 2175, 375);
        label->Caption = "Label1";
        label->Font.Name = "Verdana";
        label->Font.Size = 8.25;
        label->Alignment = vbCenter;
    }
    Line1.X1 = 2520;
    Line1.Y1 = 240;
    Line1.X2 = 2520;
    Line1.Y2 = 1680;
}

void backgammonscore::connect(BackgammonScoreBoard board) { owner() = std::move(board); }

void backgammonscore::Form_Load() {
    common::lockowner(board());
    const core::ScaleChoice choice = common::setscale(*this, {art::bgboard::kScaleAt640, art::bgboard::kScaleAt800});
    const float scale = choice.scale;
    if (core::smallscreen(choice))
        for (Label* label : {&Label1, &Label2, &Label3, &Label4}) label->Font.Size = 7;
    common::scaleit(*this, scale);
    for (Label* label : {&Label1, &Label2, &Label3, &Label4}) common::scaleit(*label, scale);
    for (Property<double>* end : {&Line1.X1, &Line1.Y1, &Line1.X2, &Line1.Y2}) *end = *end * double(scale);
}

void backgammonscore::Form_Activate() { decide(); }

void backgammonscore::showstanding(const BackgammonStanding& standing) {
    standing_ = standing;
    Label1.Caption = standing.user;
    Label2.Caption = standing.computer;
    Label3.Caption = std::to_string(standing.userpoints);
    Label4.Caption = std::to_string(standing.computerpoints);
}

void backgammonscore::decide() {
    if (!board()) return;
    const std::string lengthText = owner().matchlength();
    const int length = bgrules::matchLength(lengthText);
    if (!length || owner().gamesplayed() < length) return;
    if (bgrules::userWinsMatch(standing_.userpoints, standing_.computerpoints))
        MsgBox("After " + lengthText + " games you have a higher score than " + owner().computername() +
                   ". You Win!",
               vbInformation, "You Win!");
    else
        MsgBox("After " + lengthText + " games " + standing_.computer + " has a higher score than you do. You Lost!",
               vbInformation, "You Lost!");
    closing_ = Closing::NewMatch;
    // Decided from View Score with a game still under way, that game is over too.
    owner().matchdecided();
}

void backgammonscore::dismiss() {
    dismissed_ = true;
    Unload();
}

void backgammonscore::Form_Unload(int&) {
    // Unloaded with the game window, or at the end of the run before it, it starts no game.
    if (dismissed_ || platform::runEnding()) return;
    Hide();
    Form* game = board();
    if (!game) return;
    const Closing closing = std::exchange(closing_, Closing::Nothing);
    if (closing == Closing::NextGame) owner().nextgame();
    if (closing == Closing::NewMatch) owner().newmatch();
    common::releaseowner(game);
    game->Show();
}
