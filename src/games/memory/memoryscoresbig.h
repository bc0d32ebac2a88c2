#pragma once

#include "common/highscores.h"

// "High Scores" of Card Memorization against the clock: the three fastest games as the game
// window memoryscorebig holds them, shown while that window is locked.
class memoryscoresbig : public common::HighScoresWindow {
public:
    memoryscoresbig();

    // The game window makes itself known when it is made.
    static void connect(common::HighScoresOwner game);

private:
    const common::HighScoresOwner& owner() const override;
};
