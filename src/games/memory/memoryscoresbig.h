#pragma once

#include "common/highscores.h"

// "High Scores" of Card Memorization against the clock: the three fastest games as the game
// window memoryscorebig holds them, shown while that window is locked.
class memoryscoresbig : public common::HighScoresWindow {
public:
    memoryscoresbig();

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
