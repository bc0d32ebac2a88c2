#pragma once

#include "common/highscores.h"

// "High Scores" of Card Memorization against the clock: the three fastest games as the game
// window memoryscorebig holds them, shown while that window is locked.
class memoryscoresbig : public common::ConnectedHighScores<memoryscoresbig> {
public:
    memoryscoresbig();
};
