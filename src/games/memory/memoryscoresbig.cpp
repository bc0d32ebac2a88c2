#include "games/memory/memoryscoresbig.h"

namespace {

common::HighScoresOwner& connected() {
    static common::HighScoresOwner game;
    return game;
}

}  // namespace

memoryscoresbig::memoryscoresbig() : HighScoresWindow({4695, 240, 120, false}) {}

void memoryscoresbig::connect(common::HighScoresOwner game) { connected() = std::move(game); }

const common::HighScoresOwner& memoryscoresbig::owner() const { return connected(); }
