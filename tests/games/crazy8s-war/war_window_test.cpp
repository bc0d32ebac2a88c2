#include "war_fixture.h"

#include "games/crazy8s-war/war_layout.h"

#include "common/names.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/boxes.h"
#include "platform/files.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace warrules;

namespace {

const char* kComputerShort = "The Computer does not have enough cards for a war";
const char* kUserShort = "You do not have enough cards for a war";

// Outside the window, or where it overlaps the window only under a corner's frame.
bool outOfSight(const wargame& w, int card) {
    const platform::Image& c = w.Image1[card];
    const double left = std::max(0.0, c.Left.get()), top = std::max(0.0, c.Top.get());
    const double right = std::min(w.ScaleWidth(), c.Left + c.Width), bottom = std::min(w.ScaleHeight(), c.Top + c.Height);
    if (right <= left || bottom <= top) return true;
    for (const platform::Frame* corner : {&w.Frame1, &w.Frame2})
        if (left >= corner->Left && top >= corner->Top && right <= corner->Left + corner->Width &&
            bottom <= corner->Top + corner->Height)
            return true;
    return false;
}

struct SizeCase {
    int width, height;
    float scale;
    double smallFont;
};

TEST_F(WarTest, TheTableIsLaidOutAtEachScreenSize) {
    const SizeCase cases[] = {{1024, 768, 1.0f, 0}, {800, 600, 1.0f, 7}, {640, 480, 0.78f, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        wargame& w = openGame<wargame>();
        const double k = c.scale;
        EXPECT_EQ(w.scale, c.scale);
        EXPECT_NEAR(w.Width, 9615 * k, 0.01);
        EXPECT_NEAR(w.Height, 7740 * k + (c.scale == 0.78f ? 200 : 0), 0.01);
        for (int card = 1; card <= 52; ++card) {
            EXPECT_NEAR(w.Image1[card].Width, 1215 * k, 0.01) << card;
            EXPECT_NEAR(w.Image1[card].Height, 1695 * k, 0.01) << card;
            EXPECT_TRUE(outOfSight(w, card)) << card;
        }
        EXPECT_NEAR(w.Frame2.Left, 6600 * k, 0.01);
        EXPECT_NEAR(w.Frame1.Height, 3375 * k, 0.01);
        EXPECT_NEAR(w.yourdeck.Width, 1335 * k, 0.01);
        EXPECT_NEAR(w.compdeck.Top, 720 * k, 0.01);
        // The user's name reads inside the window.
        EXPECT_LE(w.Frame2.Top + w.Label1.Top + w.Label1.Height, w.ScaleHeight());
        for (platform::Label* label : {&w.Label1, &w.Label2}) {
            if (c.smallFont) {
                EXPECT_EQ(label->Font.Size.get(), c.smallFont);
            } else {
                EXPECT_NE(label->Font.Size.get(), 7);
            }
        }
        // A war's cards stay inside the table, clear of both corners.
        const Place user = turnedplace(Side::User, c.scale), comp = turnedplace(Side::Computer, c.scale);
        EXPECT_LE(warplace(warplace(user, Side::User, 0, c.scale), Side::User, 3, c.scale).left + 1215 * k, w.Frame2.Left);
        EXPECT_GE(warplace(comp, Side::Computer, 3, c.scale).left, w.Frame1.Width);
        w.Unload();
        settle();
    }
}

TEST_F(WarTest, TheLoadDealsTwoPilesAndTheFirstActivationLocksTheMainWindow) {
    open<gp::mainstandin>();
    wargame& w = platform::window<wargame>();
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled) << "the load locks nothing";
    w.Show();
    settle();
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_EQ(w.Caption.get(), "War");
    EXPECT_EQ(w.Label1.Caption.get(), "Guest");
    EXPECT_NE(std::find(common::oppnames.begin(), common::oppnames.end(), w.Label2.Caption.get()),
              common::oppnames.end());
    EXPECT_TRUE(showsFile(w.yourdeck, core::stockhalf));
    EXPECT_TRUE(showsFile(w.compdeck, core::stockhalf));
    EXPECT_EQ(w.Image1[1].Tag.get(), "101");
    EXPECT_EQ(w.Image1[27].Tag.get(), "201");
    std::set<int> codes(w.table.deckorder.begin() + 1, w.table.deckorder.end());
    EXPECT_EQ(codes.size(), 52u);
    EXPECT_TRUE(w.yourdeck.Enabled);
    EXPECT_TRUE(w.newgame.Enabled);
    EXPECT_FALSE(busy(w));
    chooseMenu(w.off);
    EXPECT_EQ(platform::readSetting("\\Data\\warsound.dat"), "NO");
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\war.html"});
    chooseMenu(w.exit);
    EXPECT_EQ(platform::loaded<wargame>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

TEST_F(WarTest, TheMenusStandInTheirDesignOrderAndTheSoundSwitchHolds) {
    wargame& w = openWith("2S KC", "AH 3C");
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
    chooseMenu(w.off);
    EXPECT_TRUE(w.off.Checked);
    EXPECT_FALSE(w.onsound.Checked);
    click(w.yourdeck);
    EXPECT_TRUE(sounds.played().empty()) << "no sound while the switch is off";
    chooseMenu(w.onsound);
    EXPECT_EQ(platform::readSetting("\\Data\\warsound.dat"), "YES");
    EXPECT_TRUE(w.onsound.Checked);
    EXPECT_FALSE(w.off.Checked);
}

TEST_F(WarTest, TheHigherCardTakesBothLowestCardImageFirst) {
    wargame& w = openWith("2S KC", "AH 3C");
    click(w.yourdeck);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_FALSE(w.yourdeck.Enabled);
    EXPECT_FALSE(w.newgame.Enabled);
    const int user = image(w, "2S"), comp = image(w, "AH");
    EXPECT_EQ(w.Image1[user].Left, 4080);
    EXPECT_EQ(w.Image1[user].Top, 3560);
    EXPECT_EQ(w.Image1[comp].Top, 1560);
    EXPECT_EQ(w.Image1[user].Tag.get(), "301");
    EXPECT_EQ(w.Image1[comp].Tag.get(), "401");
    EXPECT_TRUE(showsFile(w.Image1[comp], core::facefile(w.table.deckorder[comp])));
    advance(1499);
    EXPECT_EQ(w.Image1[user].Top, 3560) << "judged after a second and a half";
    advance(1);
    EXPECT_TRUE(w.Timer2.Enabled) << "the ace takes the table";
    EXPECT_EQ(w.sliding, user);
    advance(15);
    EXPECT_EQ(w.Image1[user].Top, 3460) << "100 twips a tick";
    EXPECT_EQ(w.Image1[user].Left, 3980);
    const std::vector<int> arrived = collect(w);
    EXPECT_EQ(arrived, (std::vector<int>{user, comp}));
    EXPECT_EQ(w.table.compcount, 27);
    EXPECT_EQ(w.table.playercount, 25);
    EXPECT_EQ(w.Image1[user].Tag.get(), "226");
    EXPECT_EQ(w.Image1[comp].Tag.get(), "227");
    EXPECT_TRUE(outOfSight(w, user));
    EXPECT_TRUE(w.yourdeck.Enabled);
    EXPECT_TRUE(w.newgame.Enabled);
    EXPECT_EQ(w.Timer1.Interval.get(), 1500);
    EXPECT_EQ(w.Image1[image(w, "KC")].Tag.get(), "101");
}

TEST_F(WarTest, EqualCardsStartAWarWhoseCardsTurnUpBeforeTheJudgement) {
    wargame& w = openWith("7S 2S 3S 4S KS", "7H 2H 3H 4H 5H");
    click(w.yourdeck);
    advance(1500);
    const std::vector<std::string> userWar = {"2S", "3S", "4S"}, compWar = {"2H", "3H", "4H"};
    for (int k = 0; k < 3; ++k) {
        const platform::Image& u = w.Image1[image(w, userWar[k])];
        EXPECT_EQ(u.Left, 4080 + 200 * (k + 1));
        EXPECT_EQ(u.Top, 3560);
        EXPECT_TRUE(showsFile(u, core::backfile));
        const platform::Image& c = w.Image1[image(w, compWar[k])];
        EXPECT_EQ(c.Left, 4080 - 200 * (k + 1));
        EXPECT_EQ(c.Top, 1560);
        EXPECT_TRUE(showsFile(c, core::backfile));
    }
    const int king = image(w, "KS"), five = image(w, "5H");
    EXPECT_EQ(w.Image1[king].Top, 3760);
    EXPECT_EQ(w.Image1[king].Left, 4080);
    EXPECT_EQ(w.Image1[five].Top, 1360);
    EXPECT_TRUE(showsFile(w.Image1[king], core::facefile(w.table.deckorder[king])));
    EXPECT_EQ(w.Image1[king].Tag.get(), "305");
    // The piles number from their new tops, in the cards' tags as in the table.
    EXPECT_EQ(w.Image1[6].Tag.get(), "101");
    EXPECT_EQ(w.Image1[32].Tag.get(), "201");
    EXPECT_EQ(w.Image1[26].Tag.get(), "121");
    EXPECT_EQ(sounds.played().size(), 2u);
    EXPECT_TRUE(w.Timer4.Enabled);
    advance(1499);
    EXPECT_TRUE(showsFile(w.Image1[image(w, "2S")], core::backfile));
    advance(1);
    for (int k = 0; k < 3; ++k) {
        const int card = image(w, userWar[k]);
        EXPECT_TRUE(showsFile(w.Image1[card], core::facefile(w.table.deckorder[card]))) << userWar[k];
    }
    EXPECT_EQ(w.table.playertable, 5);
    advance(1499);
    EXPECT_FALSE(w.Timer3.Enabled);
    const std::vector<int> arrived = collect(w);
    std::vector<int> sorted = arrived;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(arrived, sorted) << "the ten cards go in card image order";
    EXPECT_EQ(arrived.size(), 10u);
    EXPECT_EQ(w.table.playercount, 31);
    EXPECT_EQ(w.table.compcount, 21);
    EXPECT_TRUE(showsFile(w.yourdeck, core::stockhalf));
}

TEST_F(WarTest, APileEmptiedByTheTurnHidesAndComesBackWithTheFirstCardWon) {
    wargame& w = openPiles("AS", 0, "2H 3H 4H 5H 6H", 0);
    click(w.yourdeck);
    EXPECT_FALSE(w.yourdeck.Visible);
    EXPECT_TRUE(w.compdeck.Visible);
    // The notice at the judgement, and again, still short, when the second card is handed over:
    // never while a card slides.
    boxes.expect(kUserShort, platform::vbOK);
    boxes.expect(kUserShort, platform::vbOK);
    advance(1500);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Card Numbers");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    EXPECT_TRUE(w.Timer3.Enabled) << "the ace beats the two, raised to a three";
    while (w.table.playercount == 0) advance(1);
    EXPECT_TRUE(w.yourdeck.Visible);
    EXPECT_TRUE(showsFile(w.yourdeck, core::stockthin));
    finish(w);
    EXPECT_EQ(w.table.playercount, 2);
    EXPECT_TRUE(w.yourdeck.Enabled);
}

TEST_F(WarTest, ASideShortOfCardsLosesEqualRanks) {
    wargame& w = openPiles("9S", 5, "9H", 2);
    boxes.expect(kComputerShort, platform::vbOK);
    boxes.expect(kComputerShort, platform::vbOK);
    battle(w);
    EXPECT_EQ(w.table.playercount, 7);
    EXPECT_EQ(w.table.compcount, 2);
    for (int k = 1; k <= 52; ++k)
        EXPECT_EQ(w.table.cardrank[k], rankvalue(w.table.deckorder[k])) << "the raise is gone, card " << k;
}

struct EndCase {
    bool userWins;
    int first, second;  // the answers to the question at each of the two cards
    int winnerEnds;     // the winner's cards once both have arrived
};

TEST_F(WarTest, TheFirstCardReachingAPileWhileTheOtherIsEmptyAsksTheQuestion) {
    const EndCase cases[] = {
        {true, platform::vbNo, platform::vbNo, 3},
        {false, platform::vbNo, platform::vbNo, 6},
        {true, platform::vbYes, 0, 0},
        {false, platform::vbYes, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.userWins ? "won" : "lost") + (c.first == platform::vbYes ? ", Yes" : ", No"));
        wargame& w = c.userWins ? openPiles("AS", 1, "KH", 0) : openPiles("QH", 0, "AS", 4);
        const char* notice = c.userWins ? kComputerShort : kUserShort;
        const char* question = c.userWins ? "You Win! Play again?" : "You Lost! Play again?";
        const std::size_t shownBefore = boxes.shown().size();
        click(w.yourdeck);
        boxes.expect(notice, platform::vbOK);
        boxes.expect(question, c.first);
        if (c.first == platform::vbNo) {
            boxes.expect(notice, platform::vbOK);
            boxes.expect(question, c.second);
            finish(w);
            EXPECT_EQ(boxes.shown()[shownBefore + 1].title, "Keep Playing?");
            EXPECT_EQ(boxes.shown()[shownBefore + 1].style, platform::vbYesNo + platform::vbInformation);
            // The finished table stays closed until New Game.
            EXPECT_FALSE(w.yourdeck.Enabled);
            EXPECT_TRUE(w.newgame.Enabled);
            EXPECT_EQ(c.userWins ? w.table.playercount : w.table.compcount, c.winnerEnds);
            chooseMenu(w.newgame);
            EXPECT_TRUE(w.yourdeck.Enabled);
            EXPECT_EQ(w.table.playercount, 26);
        } else {
            while (boxes.shown().size() < shownBefore + 2) advance(15);
            // A new game at once: every timer stopped and every card back in a pile.
            EXPECT_FALSE(busy(w));
            EXPECT_EQ(w.table.playercount, 26);
            EXPECT_EQ(w.table.compcount, 26);
            for (int k = 1; k <= 52; ++k) EXPECT_TRUE(outOfSight(w, k)) << k;
            EXPECT_TRUE(w.yourdeck.Enabled);
            EXPECT_FALSE(w.newgame.Enabled) << "until the new game's first battle has ended";
            // Its first battle is judged after the full pause.
            click(w.yourdeck);
            advance(1499);
            EXPECT_EQ(w.table.playertable, 1);
            EXPECT_GE(w.table.tag[w.table.playerface], kUserTable);
            EXPECT_FALSE(w.Timer2.Enabled || w.Timer3.Enabled);
            finish(w);
            EXPECT_TRUE(w.newgame.Enabled);
        }
        boxes.verifyAllUsed();
        w.Unload();
        settle();
    }
}

TEST_F(WarTest, CardsThatLeftAWarFaceDownShowTheirFacesWhenTurnedAgain) {
    // The war's face-up fives tie again; the computer, three cards left, is short, so the user's
    // five wins without the war's cards ever being turned up.
    wargame& w = openPiles("7S 2S 3S 4S 5S", 0, "7H 2H 3H 4H 5H 6H 10H JH", 0);
    click(w.yourdeck);
    advance(1500);
    EXPECT_FALSE(w.yourdeck.Visible) << "the war took the user's last cards";
    for (int k = 0; k < 10; ++k) boxes.expect(kComputerShort, platform::vbOK);
    finish(w);
    const int two = image(w, "2S");
    EXPECT_TRUE(showsFile(w.Image1[two], core::backfile));
    EXPECT_EQ(w.table.playercount, 10);
    EXPECT_TRUE(w.yourdeck.Visible);
    for (int k = 0; k < 2; ++k) boxes.expect(kComputerShort, platform::vbOK);
    battle(w);
    ASSERT_EQ(w.Image1[two].Tag.get(), "101");
    click(w.yourdeck);
    EXPECT_EQ(w.table.playerface, two);
    EXPECT_TRUE(showsFile(w.Image1[two], core::facefile(w.table.deckorder[two])));
    boxes.expect(kComputerShort, platform::vbOK);
    boxes.expect(kComputerShort, platform::vbOK);
    finish(w);
}

TEST_F(WarTest, AWarWithNothingToLayEndsOnThePlainRanks) {
    // The nine, raised because the computer has no cards, ties the ten; both piles are empty, so
    // the war lays nothing and the ten takes the table.
    wargame& w = openPiles("9S", 0, "10H", 0);
    click(w.yourdeck);
    EXPECT_FALSE(w.yourdeck.Visible);
    EXPECT_FALSE(w.compdeck.Visible);
    boxes.expect(kComputerShort, platform::vbOK);
    advance(1500);
    EXPECT_TRUE(w.Timer4.Enabled);
    EXPECT_TRUE(w.table.barewar);
    boxes.expect(kComputerShort, platform::vbOK);
    boxes.expect("You Lost! Play again?", platform::vbNo);
    boxes.expect(kComputerShort, platform::vbOK);
    boxes.expect("You Lost! Play again?", platform::vbNo);
    finish(w);
    EXPECT_EQ(w.table.compcount, 2);
    EXPECT_FALSE(w.yourdeck.Enabled);
    EXPECT_TRUE(w.newgame.Enabled);
}

// The user's 26 cards, eights and up, each beat the computer's card at the same place, so the
// computer's pile runs down one battle after another until its last card is lost.
TEST_F(WarTest, AWholeGameIsWonBattleByBattle) {
    wargame& w = openWith("AS AC AD AH KS KC KD KH QS QC QD QH JS JC JD JH 10S 10C 10D 10H 9S 9C 9D 9H 8S 8C",
                          "8D 8H 2S 2C 2D 2H 3S 3C 3D 3H 4S 4C 4D 4H 5S 5C 5D 5H 6S 6C 6D 6H 7S 7C 7D 7H");
    for (int n = 1; n <= 22; ++n) {
        battle(w);
        ASSERT_EQ(w.table.compcount, 26 - n);
        ASSERT_EQ(w.table.playercount, 26 + n);
        EXPECT_TRUE(showsFile(w.yourdeck, pilepicture(w.table.playercount)));
    }
    EXPECT_TRUE(boxes.shown().empty());
    for (int n = 23; n <= 25; ++n) {
        boxes.expect(kComputerShort, platform::vbOK);
        boxes.expect(kComputerShort, platform::vbOK);
        battle(w);
    }
    EXPECT_TRUE(showsFile(w.compdeck, core::stockthin));
    click(w.yourdeck);
    EXPECT_FALSE(w.compdeck.Visible);
    boxes.expect(kComputerShort, platform::vbOK);
    boxes.expect("You Win! Play again?", platform::vbNo);
    boxes.expect(kComputerShort, platform::vbOK);
    boxes.expect("You Win! Play again?", platform::vbNo);
    finish(w);
    EXPECT_EQ(w.table.playercount, 52);
    EXPECT_TRUE(showsFile(w.yourdeck, core::stockfull));
    EXPECT_FALSE(w.yourdeck.Enabled);
    EXPECT_TRUE(w.newgame.Enabled);
}

}  // namespace
