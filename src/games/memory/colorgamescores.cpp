#include "games/memory/colorgamescores.h"

namespace {

common::HighScoresOwner& connected() {
    static common::HighScoresOwner game;
    return game;
}

}  // namespace

colorgamescores::colorgamescores() : HighScoresWindow({5205, 480, 480, true}) {}

void colorgamescores::connect(common::HighScoresOwner game) { connected() = std::move(game); }

const common::HighScoresOwner& colorgamescores::owner() const { return connected(); }
