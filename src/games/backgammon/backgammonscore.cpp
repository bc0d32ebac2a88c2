#include "games/backgammon/backgammonscore.h"

#include "games/backgammon/backgammon.h"
#include "games/backgammon/backgammon_scoring.h"

#include "art/backgammon_geometry.h"
#include "common/locks.h"
#include "common/scaling.h"
#include "platform/boxes.h"
#include "platform/files.h"

#include <charconv>
#include <cstdint>
#include <string>

using namespace platform;

namespace {

// Points shown by a label; the game window writes them, so anything else counts as none.
std::int64_t points(const Label& label) {
    const std::string& text = label.Caption.get();
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

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
    Text1.Move(840, 2640);
    txtres.Move(3120, 1800);
    Text1.Visible = false;
    txtres.Visible = false;
}

void backgammonscore::Form_Load() {
    common::lockowner(loaded<backgammon>());
    const common::ScaleChoice choice =
        common::setscale(txtres, {art::bgboard::kScaleAt640, art::bgboard::kScaleAt800});
    const float scale = choice.scale;
    if (common::smallscreen(choice))
        for (Label* label : {&Label1, &Label2, &Label3, &Label4}) label->Font.Size = 7;
    common::scaleit(*this, scale);
    for (Label* label : {&Label1, &Label2, &Label3, &Label4}) common::scaleit(*label, scale);
    for (Property<double>* end : {&Line1.X1, &Line1.Y1, &Line1.X2, &Line1.Y2}) *end = *end * double(scale);
}

void backgammonscore::Form_Activate() { decide(); }

void backgammonscore::decide() {
    const backgammon* game = loaded<backgammon>();
    if (!game) return;
    const std::string& lengthText = game->RichTextBox3.Text.get();
    const int length = bgrules::matchLength(lengthText);
    const int played = toInt(game->Text14.Text.get()) + toInt(game->Text15.Text.get());
    if (!length || played < length) return;
    if (bgrules::userWinsMatch(points(Label3), points(Label4)))
        MsgBox("After " + lengthText + " games you have a higher score than " + game->Label2.Caption.get() +
                   ". You Win!",
               vbInformation, "You Win!");
    else
        MsgBox("After " + lengthText + " games " + Label2.Caption.get() + " has a higher score than you do. You Lost!",
               vbInformation, "You Lost!");
    Text1.Text = "DONE2";
}

void backgammonscore::dismiss() {
    dismissed_ = true;
    Unload();
}

void backgammonscore::Form_Unload(int&) {
    if (dismissed_) return;
    Hide();
    backgammon* game = loaded<backgammon>();
    if (!game) return;
    if (Text1.Text.get() == "DONE") game->startup();
    if (Text1.Text.get() == "DONE2") game->startmeup();
    Text1.Text = "";
    common::releaseowner(game);
    game->Show();
}
