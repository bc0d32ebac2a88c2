#include "games/memory/colorgamescores.h"

colorgamescores::colorgamescores() : ConnectedHighScores({5205, 480, 480, true}) {}
