#include "games/backgammon/backgammon_computer.h"

namespace bgrules {

void rollComputer(BackgammonTable& t, const Draw& draw) {
    t.compdoubles = false;
    t.compdie1 = draw(6);
    t.compdie2 = draw(6);
    if (t.compdie1 != t.compdie2) return;
    t.compdoubles = true;
    t.compdie3 = t.compdie1;
    t.compdie4 = t.compdie2;
}

}  // namespace bgrules
