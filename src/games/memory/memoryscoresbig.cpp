#include "games/memory/memoryscoresbig.h"

memoryscoresbig::memoryscoresbig() : ConnectedHighScores({4695, 240, 120, false}) {}
