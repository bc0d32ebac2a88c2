#include "games/backgammon/backgammon_turns.h"

#include <string>

namespace bgrules {

Side openGame(BackgammonTable& t, const Draw& draw) {
    newGame(t);
    return firstRoller(t.firstroll, draw) == 1 ? Side::User : Side::Computer;
}

bool computerTurnStarts(BackgammonTable& t, bool cubeInUse) {
    t.playerdoubles = false;
    t.playerpips = userpips(t);
    t.comppips = computerpips(t);
    return computerOffers(t, cubeInUse);
}

void answerOffer(BackgammonTable& t, bool accepted) {
    t.compoffered = 1;
    if (!accepted) return;
    t.compownscube = 0;
    doubleStake(t);
}

bool userDoubles(BackgammonTable& t) {
    t.playerpips = userpips(t);
    t.comppips = computerpips(t);
    t.compoffered = 0;
    if (computerRefuses(t)) return false;
    t.compownscube = 1;
    doubleStake(t);
    return true;
}

std::int64_t winGame(BackgammonTable& t, Side winner, bool borneOff) {
    const std::int64_t points = t.cubevalue * (borneOff ? multiplier(t, winner) : 1);
    t.firstroll = std::string(1, winner == Side::User ? 'P' : 'C');
    scoreGame(t, winner, points);
    return points;
}

}  // namespace bgrules
