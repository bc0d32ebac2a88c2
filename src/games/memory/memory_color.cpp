#include "games/memory/memory_color.h"

namespace colorrules {
namespace {

int& entry(ColorTable& t, int i) {
    if (static_cast<std::size_t>(i) >= t.sequence.size()) t.sequence.resize(static_cast<std::size_t>(i) + 1);
    return t.sequence[static_cast<std::size_t>(i)];
}

}  // namespace

void newGame(ColorTable& t, const Draw& draw) {
    t.level = 0;
    t.playstate = kIdle;
    t.playpos = 0;
    t.guesspos = 0;
    t.clicks = 0;
    entry(t, 0) = draw();
}

Step playbackStep(ColorTable& t) {
    if (t.playstate == kLastPadShown) {
        t.playstate = kIdle;
        t.guesspos = 0;
        return {0, true};
    }
    const int pad = entry(t, t.playpos);
    if (t.playpos == t.level) t.playstate = kLastPadShown;
    ++t.playpos;
    return {pad, false};
}

Judged judgeClick(ColorTable& t, int pad, const Draw& draw) {
    ++t.clicks;
    Judged judged = Judged::Wrong;
    if (entry(t, t.guesspos) == pad) {
        judged = Judged::Right;
        if (t.clicks >= t.level + 1) {
            ++t.level;
            t.playpos = 0;
            t.playstate = kIdle;
            entry(t, t.level) = draw();
            t.clicks = 0;
            judged = Judged::LevelUp;
        }
    }
    ++t.guesspos;
    return judged;
}

int score(const ColorTable& t) { return t.level * kPointsPerLevel; }

std::string scoreCaption(int score) { return "Score: " + std::to_string(score); }

std::optional<int> speedInterval(std::string_view text) {
    if (text == "SLOW") return 800;
    if (text == "MED") return 500;
    if (text == "FAST") return 300;
    return std::nullopt;
}

}  // namespace colorrules
