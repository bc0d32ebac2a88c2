#include "games/memory/memorycompbig.h"

memorycompbig::memorycompbig()
    : memorycomp({memoryrules::Board::Big, 12090, 8130, "Skill Level", {0.78f, 0.93f}, 2000, 1000,
                  {10080, 1920, 1815}, {10080, 2400, 1815}, {120, 5280, 1695}, {120, 5760, 1695}}) {}
