#pragma once

#include "common/topthree.h"

#include "platform/controls.h"
#include "platform/form.h"

// The small "High Scores" window of a game with a top-three table: two bold headings, three rows
// of place, name and value, and two lines between the rows. Each game's window derives from it,
// fills it from its game window's holders and locks that window while it is open.
namespace common {

struct HighScoresDesign {
    double width;        // the design's width in twips; the height holds the three rows
    double headingLeft;  // of the "Name:" heading
    double placeLeft;    // of the "1.)" .. "3.)" labels
};

class HighScoresWindow : public platform::Form {
public:
    platform::Label Label1{*this};  // "Name:"
    platform::Label Label2{*this};  // "Score:"
    platform::Label Label3{*this}, Label4{*this}, Label5{*this};  // the places
    platform::Label firstname{*this}, secondname{*this}, thirdname{*this};
    platform::Label firstscore{*this}, secondscore{*this}, thirdscore{*this};
    platform::Line Line1{*this}, Line2{*this};

    // The three rows: each name beside its place, and its value.
    void showtable(const TopThree& table);
    // The same with the names written into the place labels ("1.) " and the name), which then
    // stand in for the name labels.
    void showtableinplaces(const TopThree& table);

protected:
    explicit HighScoresWindow(const HighScoresDesign& design);
};

}  // namespace common
