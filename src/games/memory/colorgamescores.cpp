#include "games/memory/colorgamescores.h"

#include "games/memory/colorgame.h"

#include "common/locks.h"

using platform::loaded;

colorgamescores::colorgamescores() : HighScoresWindow({5205, 480, 480}) {}

void colorgamescores::Form_Load() {
    colorgame* game = loaded<colorgame>();
    if (game) showtableinplaces(game->scores());
    common::lockowner(game);
}

// The game window becomes active again and reloads the table from its files.
void colorgamescores::Form_Unload(int&) { common::releaseowner(loaded<colorgame>()); }
