#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Color Memorization: a growing sequence of the four pads, played back one pad a tick, then
// repeated by the player. Pads are numbered 1 top left, 2 top right, 3 bottom left, 4 bottom right.
namespace colorrules {

inline constexpr int kPads = 4;
// playstate: from the tick that lights the last pad until the hand-over tick, and otherwise.
inline constexpr int kLastPadShown = 1;
inline constexpr int kIdle = 5;
inline constexpr int kPointsPerLevel = 1000;

struct ColorTable {
    int level = 0;               // index of the last pad of the sequence: 0 for one pad
    std::vector<int> sequence;   // entry i is the pad lit (i + 1)-th; it grows as the levels do
    int playstate = kIdle;
    int playpos = 0;             // the next entry to play back
    int guesspos = 0;            // the entry the next click must match
    int clicks = 0;              // clicks in the current turn
};

// Draws a pad, 1..4.
using Draw = std::function<int()>;

// A game of one pad; the clicks of an earlier game no longer count.
void newGame(ColorTable& t, const Draw& draw);

// One tick of the playback: the pad to light, or the hand-over to the player (pad 0).
struct Step {
    int pad;
    bool handover;
};
Step playbackStep(ColorTable& t);

enum class Judged {
    Right,    // the player goes on
    LevelUp,  // the whole sequence was repeated: one pad more, to be played back after a pause
    Wrong,    // the game is lost
};
// A click on a pad, judged against the entry at guesspos; every click moves guesspos on.
Judged judgeClick(ColorTable& t, int pad, const Draw& draw);

// level x 1000, with no 16-bit limit.
int score(const ColorTable& t);
// "Score: " followed by the score's digits.
std::string scoreCaption(int score);

// The playback interval of a speed text: "SLOW" 800, "MED" 500, "FAST" 300 ms; nothing for any
// other text, which leaves the interval as it was.
std::optional<int> speedInterval(std::string_view text);

}  // namespace colorrules
