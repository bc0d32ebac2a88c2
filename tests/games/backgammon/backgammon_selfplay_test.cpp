#include "board_builder.h"

#include "games/backgammon/backgammon_computer.h"
#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_user.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace bgrules;

namespace {

// Whole games of the rules alone, the user's moves drawn at random from the legal targets and the
// computer ticking its cascade: every step keeps both sides' checkers on the board where the
// counts and codes say, the computer never moves onto the user's point, every computer turn ends
// within the ticks its dice allow, and every game ends.
class BackgammonSelfPlay : public ::testing::Test {
protected:
    std::mt19937 random;
    int draw(int n) { return std::uniform_int_distribution<int>(1, n)(random); }

    static void checkBoard(const BackgammonTable& t) {
        int userOff = 0, computerOff = 0;
        for (int i = 1; i <= kCheckers; ++i) {
            userOff += t.playerpos[i] == kUserOff;
            computerOff += t.comppos[i] == kComputerOff;
        }
        ASSERT_EQ(t.playeroff, userOff);
        ASSERT_EQ(t.compoff, computerOff);
        for (int p = 1; p <= 24; ++p) {
            int user = 0, computer = 0;
            for (int i = 1; i <= kCheckers; ++i) {
                user += t.playerpos[i] == p;
                computer += t.comppos[i] == p;
            }
            ASSERT_FALSE(user && computer) << "both sides on " << p;
            ASSERT_EQ(t.rownum[p], user + computer) << "point " << p;
            ASSERT_EQ(t.row[p], user ? usercode(user) : computercode(computer)) << "point " << p;
        }
    }

    // The computer's checkers may leave the board only when every one of them is home.
    static bool computerHome(const BackgammonTable& t) {
        for (int i = 1; i <= kCheckers; ++i)
            if (t.comppos[i] > 6) return false;
        return true;
    }

    // Plays one game; returns the winner.
    Side playGame(BackgammonTable& t, bool computerFirst) {
        newGame(t);
        bool computer = computerFirst;
        for (int turn = 0; turn < 2000; ++turn) {
            if (computer) {
                rollComputer(t, [this](int n) { return draw(n); });
                const int dice = t.compdoubles ? 4 : 2;
                int ticks = 0;
                for (;;) {
                    const bool home = computerHome(t);
                    const ComputerTick tick = computerTick(t);
                    ++ticks;
                    if (tick.action == ComputerTick::Action::BearOff) {
                        EXPECT_TRUE(home) << "bore off with a checker outside";
                    }
                    checkBoard(t);
                    if (HasFatalFailure()) return Side::User;
                    if (tick.won) return Side::Computer;
                    if (tick.turnOver) break;
                    EXPECT_NE(tick.action, ComputerTick::Action::None) << "a tick moved nothing and kept the turn";
                    if (ticks > dice + 1) {
                        ADD_FAILURE() << "the computer's turn runs on";
                        return Side::User;
                    }
                }
            } else {
                rollUser(t, [this](int n) { return draw(n); });
                int moves = 0;
                while (!turnOver(t)) {
                    std::vector<std::pair<int, int>> choices;
                    for (int i = 1; i <= kCheckers; ++i)
                        if (grabbable(t, i)) {
                            const Targets m = targets(t, i);
                            for (int p = 1; p <= kTray; ++p)
                                if (m.test(std::size_t(p))) choices.emplace_back(i, p);
                        }
                    EXPECT_FALSE(choices.empty());
                    if (choices.empty()) return Side::Computer;
                    const auto [checker, target] = choices[std::size_t(draw(int(choices.size())) - 1)];
                    if (target == kTray)
                        bearOff(t, checker);
                    else
                        moveUser(t, checker, target);
                    rez(t);
                    checkBoard(t);
                    if (HasFatalFailure()) return Side::Computer;
                    if (t.playeroff == kCheckers) return Side::User;
                    if (++moves > 4) {
                        ADD_FAILURE() << "the user's turn runs on";
                        return Side::Computer;
                    }
                }
            }
            computer = !computer;
        }
        ADD_FAILURE() << "the game never ends";
        return Side::User;
    }
};

TEST_F(BackgammonSelfPlay, GamesEndWithEveryMoveLegal) {
    for (std::uint32_t seed = 1; seed <= 200 && !HasFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        random.seed(seed);
        BackgammonTable t;
        const Side winner = playGame(t, seed % 2 == 0);
        EXPECT_EQ(winner == Side::User ? t.playeroff : t.compoff, kCheckers);
    }
}

}  // namespace
