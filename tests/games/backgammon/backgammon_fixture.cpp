#include "backgammon_fixture.h"

#include "games/backgammon/backgammon_computer.h"
#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_user.h"

#include "platform/files.h"

#include <algorithm>

void BackgammonTest::SetUp() {
    gp::GameWindowTest::SetUp();
    platform::writeSetting("\\Data\\firstroll.dat", "P");
}

backgammon& BackgammonTest::openBoard() { return openGame<backgammon>(); }

void BackgammonTest::setBoard(backgammon& b, const bgrules::BackgammonTable& board) {
    bgrules::BackgammonTable t = board;
    t.cubevalue = b.table.cubevalue;
    t.playerscore = b.table.playerscore;
    t.compscore = b.table.compscore;
    t.playerwins = b.table.playerwins;
    t.compwins = b.table.compwins;
    t.firstrolldone = b.table.firstrolldone;
    t.firstroll = b.table.firstroll;
    b.table = t;
    b.layout();
}

void BackgammonTest::move(backgammon& b, int checker, int target) {
    if (target == bgrules::kTray)
        drag(b.Image1[checker], b.Image3);
    else
        drag(b.Image1[checker], b.Image2[target]);
}

std::set<int> BackgammonTest::shownMarkers(const backgammon& b) {
    std::set<int> shown;
    for (const auto& [i, marker] : b.Shape3)
        if (marker->Visible) shown.insert(i);
    return shown;
}

int BackgammonTest::playedCount(std::string_view wave) const {
    return static_cast<int>(std::ranges::count(sounds.played(), std::string(wave)));
}

bool BackgammonTest::boardShows(const backgammon& b, std::string_view file) {
    const platform::Picture expected = platform::LoadPicture(file);
    return expected && b.Picture.get() && b.Picture->image() == expected.image();
}

void BackgammonTest::computerMoves(backgammon& b, int d1, int d2) {
    b.table.compdie1 = d1;
    b.table.compdie2 = d2;
    b.table.compdoubles = d1 == d2;
    b.table.compdie3 = b.table.compdie4 = d1 == d2 ? d1 : 0;
    b.Timer1.Enabled = true;
    for (int tick = 0; tick < 6 && b.Timer1.Enabled; ++tick) advance(1000);
    EXPECT_FALSE(b.Timer1.Enabled) << "the computer's turn ends";
}

backgammonscore* BackgammonTest::scoreShown() {
    backgammonscore* score = platform::loaded<backgammonscore>();
    return score && score->Visible ? score : nullptr;
}

void BackgammonTest::expectVerdict(const backgammon& b, int gamesAfter) {
    const int length = bgrules::matchLength(b.settings.matchlength);
    if (length && gamesAfter >= length) boxes.expect("After ", platform::vbOK);
}

BackgammonTest::Played BackgammonTest::playGame(backgammon& b, bool userDoubles, bool acceptOffers) {
    using namespace bgrules;
    Played played;
    bool doubled = false;
    const int gamesBefore = b.table.playerwins + b.table.compwins;
    for (int step = 0; step < 5000 && !HasFailure(); ++step) {
        if (scoreShown()) return played;
        if (b.userturn()) {
            int checker = 0, target = 0;
            // Later checkers lie in front where several share a place, as on the bar.
            for (int i = kCheckers; i >= 1 && target != kTray; --i) {
                if (!grabbable(b.table, i)) continue;
                const Targets to = targets(b.table, i);
                for (int p = kTray; p >= 1; --p)
                    if (to.test(std::size_t(p)) && (!target || p == kTray)) checker = i, target = p;
            }
            if (target == kTray && b.table.playeroff == kCheckers - 1) {
                boxes.expect("You Win", platform::vbOK);
                expectVerdict(b, gamesBefore + 1);
            }
            move(b, checker, target);
            ++played.userMoves;
        } else if (b.Timer2.Enabled || b.Timer3.Enabled) {
            BackgammonTable next = b.table;
            next.playerpips = userpips(next);
            next.comppips = computerpips(next);
            if (computerOffers(next, b.cubeinuse())) {
                ++played.computerOffers;
                boxes.expect("wants to double?", acceptOffers ? platform::vbYes : platform::vbNo);
                if (!acceptOffers) {
                    boxes.expect("You Lost by not accepting", platform::vbOK);
                    expectVerdict(b, gamesBefore + 1);
                }
            }
            advance(20);
        } else if (b.Timer1.Enabled) {
            BackgammonTable next = b.table;
            if (computerTick(next).won) {
                boxes.expect("You Lost", platform::vbOK);
                expectVerdict(b, gamesBefore + 1);
            }
            advance(1000);
            ++played.computerTicks;
        } else if (b.die1.Enabled) {
            if (userDoubles && !doubled && b.Image4.Visible && b.table.compownscube == 0) {
                doubled = true;
                ++played.userDoubles;
                BackgammonTable now = b.table;
                now.playerpips = userpips(now);
                now.comppips = computerpips(now);
                boxes.expect("Are you sure you wish to double?", platform::vbYes);
                if (computerRefuses(now)) {
                    boxes.expect("does not accept the double", platform::vbOK);
                    expectVerdict(b, gamesBefore + 1);
                }
                click(b.Image4);
                continue;
            }
            click(b.die1);
        } else {
            ADD_FAILURE() << "the game waits for nothing the user can do";
            return played;
        }
    }
    ADD_FAILURE() << "the game did not end";
    return played;
}
