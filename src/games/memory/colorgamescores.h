#pragma once

#include "common/highscores.h"

// "High Scores" of Color Memorization: the three best scores as the game window colorgame holds
// them, shown while that window is locked.
class colorgamescores : public common::HighScoresWindow {
public:
    colorgamescores();

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
