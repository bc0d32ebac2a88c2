#include "common/highscores.h"

#include "common/locks.h"

#include <array>
#include <string>

using namespace platform;

namespace common {
namespace {

constexpr std::array<double, 3> kRowTops{840, 1440, 2040};
constexpr double kRowHeight = 255;
constexpr double kNameLeft = 480, kNameWidth = 1815;
constexpr double kScoreLeft = 2520, kScoreWidth = 2415;
constexpr double kLineRight = 4080;
// Below the third row, so that the frame allowance never clips it.
constexpr double kBottomMargin = 240;

void designLabel(Label& label, const std::string& caption, double left, double top, double width, double height,
                 bool bold = false) {
    label.Caption = caption;
    label.Move(left, top, width, height);
    label.Font.Name = "Verdana";
    label.Font.Size = 8.25;
    label.Font.Bold = bold;
}

}  // namespace

HighScoresWindow::HighScoresWindow(const HighScoresDesign& design) : namesInPlaces_(design.namesInPlaces) {
    Caption = "High Scores";
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    Width = design.width;
    setClientSize(ScaleWidth(), kRowTops.back() + kRowHeight + kBottomMargin);

    designLabel(Label1, "Name:", design.headingLeft, 240, kNameWidth, 375, true);
    designLabel(Label2, "Score:", kScoreLeft, 240, kScoreWidth, 375, true);
    Label* places[] = {&Label3, &Label4, &Label5};
    Label* names[] = {&firstname, &secondname, &thirdname};
    Label* scores[] = {&firstscore, &secondscore, &thirdscore};
    for (std::size_t k = 0; k < kRowTops.size(); ++k) {
        designLabel(*places[k], std::to_string(k + 1) + ".)", design.placeLeft, kRowTops[k], kNameWidth, kRowHeight);
        designLabel(*names[k], "Name:", kNameLeft, kRowTops[k], kNameWidth, kRowHeight);
        designLabel(*scores[k], "Score:", kScoreLeft, kRowTops[k], kScoreWidth, kRowHeight);
    }
    // Each line lies midway between two rows.
    Line* lines[] = {&Line1, &Line2};
    for (std::size_t k = 0; k < 2; ++k) {
        const double y = kRowTops[k] + 360;
        lines[k]->X1 = kNameLeft;
        lines[k]->Y1 = y;
        lines[k]->X2 = kLineRight;
        lines[k]->Y2 = y;
    }
}

void HighScoresWindow::showtable(const TopThree& table) {
    Label* places[] = {&Label3, &Label4, &Label5};
    Label* names[] = {&firstname, &secondname, &thirdname};
    Label* scores[] = {&firstscore, &secondscore, &thirdscore};
    for (std::size_t k = 0; k < table.size(); ++k) {
        names[k]->Caption = table[k].name;
        names[k]->Visible = !namesInPlaces_;
        if (namesInPlaces_) places[k]->Caption = std::to_string(k + 1) + ".) " + table[k].name;
        scores[k]->Caption = table[k].value;
    }
}

platform::Form* HighScoresWindow::game() const { return owner().loaded ? owner().loaded() : nullptr; }

void HighScoresWindow::Form_Load() {
    platform::Form* owning = game();
    if (owning && owner().table) showtable(owner().table());
    lockowner(owning);
}

void HighScoresWindow::Form_Unload(int&) { releaseowner(game()); }

}  // namespace common
