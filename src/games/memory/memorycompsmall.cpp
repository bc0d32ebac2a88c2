#include "games/memory/memorycompsmall.h"

memorycompsmall::memorycompsmall()
    : memorycomp({memoryrules::Board::Small, 9525, 6660, "Skill", {0.78f, 1.0f}, 0, 0,
                  {7560, 1560, 1815}, {7560, 2160, 1815}, {120, 4920, 1815}, {120, 5520, 1815}}) {}
