#pragma once

#include "games/memory/memorycomp.h"

// Card Memorization against the computer on 24 cards (twelve pairs).
class memorycompbig : public memorycomp {
public:
    memorycompbig();
};
