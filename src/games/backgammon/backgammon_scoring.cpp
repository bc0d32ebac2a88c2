#include "games/backgammon/backgammon_scoring.h"

#include <charconv>

namespace bgrules {

int multiplier(const BackgammonTable& t, Side winner) {
    const bool user = winner == Side::User;
    if ((user ? t.compoff : t.playeroff) > 0) return 1;
    for (int i = 1; i <= kCheckers; ++i) {
        const int tag = user ? t.comptag[i] : t.playertag[i];
        const int pos = user ? t.comppos[i] : t.playerpos[i];
        const bool outside = user ? pos >= 7 : pos >= 1 && pos <= 18;
        if (tag >= 40 || outside) return 3;
    }
    return 2;
}

void scoreGame(BackgammonTable& t, Side winner, std::int64_t points) {
    if (winner == Side::User) {
        t.playerscore += points;
        ++t.playerwins;
    } else {
        t.compscore += points;
        ++t.compwins;
    }
}

bool computerRefuses(const BackgammonTable& t) {
    bool allhome = true;
    for (int i = 1; i <= kCheckers; ++i)
        if (t.playerpos[i] < 19) allhome = false;
    return t.playerpips + 25 < t.comppips || (allhome && t.playerpips + 5 < t.comppips);
}

bool computerOffers(const BackgammonTable& t, bool cubeInUse) {
    return cubeInUse && t.comppips < t.playerpips - 25 && t.compoffered == 0;
}

void doubleStake(BackgammonTable& t) { t.cubevalue *= 2; }

int matchLength(std::string_view text) {
    int length = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
    if (error != std::errc() || end != text.data() + text.size() || length < 1) return 0;
    return length;
}

bool userWinsMatch(std::int64_t userPoints, std::int64_t computerPoints) { return computerPoints <= userPoints; }

}  // namespace bgrules
