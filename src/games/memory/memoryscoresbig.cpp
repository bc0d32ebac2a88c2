#include "games/memory/memoryscoresbig.h"

#include "games/memory/memoryscorebig.h"

#include "common/locks.h"

using platform::loaded;

memoryscoresbig::memoryscoresbig() : HighScoresWindow({4695, 240, 120}) {}

void memoryscoresbig::Form_Load() {
    memoryscorebig* game = loaded<memoryscorebig>();
    common::lockowner(game);
    if (game) showtable(game->scores());
}

void memoryscoresbig::Form_Unload(int&) { common::releaseowner(loaded<memoryscorebig>()); }
