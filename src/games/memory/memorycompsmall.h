#pragma once

#include "games/memory/memorycomp.h"

// Card Memorization against the computer on 12 cards (six pairs).
class memorycompsmall : public memorycomp {
public:
    memorycompsmall();
};
