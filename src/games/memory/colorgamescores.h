#pragma once

#include "common/highscores.h"

// "High Scores" of Color Memorization: the three best scores as the game window colorgame holds
// them, shown while that window is locked. Closing it makes the game window active again, which
// reloads the table from its files.
class colorgamescores : public common::ConnectedHighScores<colorgamescores> {
public:
    colorgamescores();
};
