#pragma once

#include "common/topthree.h"

#include "platform/controls.h"
#include "platform/form.h"

#include <functional>

// The small "High Scores" window of a game with a top-three table: two bold headings, three rows
// of place, name and value, and two lines between the rows. Each game's window derives from it;
// at its load it fills the rows from its game window's table and locks that window until it
// unloads.
namespace common {

struct HighScoresDesign {
    double width;        // the design's width in twips; the height holds the three rows
    double headingLeft;  // of the "Name:" heading
    double placeLeft;    // of the "1.)" .. "3.)" labels
    // The names written into the place labels ("1.) " and the name), standing in for the name
    // labels, instead of beside them.
    bool namesInPlaces;
};

// What a top-three window needs of its game window, which connects itself when it is made: the
// game window while it is loaded (null otherwise) and the top three it keeps.
struct HighScoresOwner {
    std::function<platform::Form*()> loaded;
    std::function<TopThree()> table;
};

class HighScoresWindow : public platform::Form {
public:
    platform::Label Label1{*this};  // "Name:"
    platform::Label Label2{*this};  // "Score:"
    platform::Label Label3{*this}, Label4{*this}, Label5{*this};  // the places
    platform::Label firstname{*this}, secondname{*this}, thirdname{*this};
    platform::Label firstscore{*this}, secondscore{*this}, thirdscore{*this};
    platform::Line Line1{*this}, Line2{*this};

    // The three rows, as the design places the names.
    void showtable(const TopThree& table);

protected:
    explicit HighScoresWindow(const HighScoresDesign& design);
    // The game window this one belongs to, as it connected itself.
    virtual const HighScoresOwner& owner() const = 0;

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    platform::Form* game() const;

    bool namesInPlaces_;
};

// A top-three window of its own class, which its game window connects when it is made.
template <class Window>
class ConnectedHighScores : public HighScoresWindow {
public:
    // Connects the game window class Game, whose scores() gives the top three it keeps.
    template <class Game>
    static void connectgame() {
        connected() = {&gameform<Game>, &gametable<Game>};
    }

protected:
    using HighScoresWindow::HighScoresWindow;

private:
    const HighScoresOwner& owner() const override { return connected(); }
    template <class Game>
    static platform::Form* gameform() {
        return platform::loaded<Game>();
    }
    template <class Game>
    static TopThree gametable() {
        if (Game* game = platform::loaded<Game>()) return game->scores();
        return {};
    }
    static HighScoresOwner& connected() {
        static HighScoresOwner game;
        return game;
    }
};

}  // namespace common
