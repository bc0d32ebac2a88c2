#include "euchre_fixture.h"

#include "games/euchre/euchre_bidding.h"
#include "platform/boxes.h"
#include "platform/screen_fit.h"
#include "platform/services.h"

#include <string>
#include <utility>

using namespace euchrerules;
using platform::vbNo;
using platform::vbOK;
using platform::vbYes;

namespace {

class EuchreBidding : public EuchreTest {
protected:
    // Runs making trump a second at a time, the user passing in both rounds, and tells who spoke
    // at which tick: "1:2" is seat 2 passing at the first tick, "9:=1" seat 1 making trump.
    std::string biddingLog(euchre& e) {
        std::string log;
        std::array<std::string, 5> last{};
        const platform::Label* remarks[] = {nullptr, &e.Label6, &e.Label7, &e.Label8, &e.Label5};
        auto look = [&](int tick) {
            for (int seat = 1; seat <= 4; ++seat) {
                const std::string& now = remarks[seat]->Caption.get();
                if (now == "Passed" && last[static_cast<std::size_t>(seat)] != now)
                    log += std::to_string(tick) + ":" + std::to_string(seat) + " ";
                last[static_cast<std::size_t>(seat)] = now;
            }
        };
        look(0);
        for (int tick = 1; tick <= 20 && !e.handinplay(); ++tick) {
            advance(1000);
            look(tick);
            if (e.Frame1.Visible) {
                click(e.Label10);
                look(tick);
            }
            if (e.handinplay()) log += std::to_string(tick) + ":=" + std::to_string(e.table.maker);
        }
        return log;
    }
};

TEST_F(EuchreBidding, BothRoundsAskTheSeatsInOrderFromTheDealer) {
    // The user passes round two only in Pick Suit: as dealer, the user never sees it.
    const struct { int dealer; const char* log; } cases[] = {
        {1, "1:2 1:3 3:4 4:1 6:2 7:3 8:4 9:=1"},
        {2, "0:3 2:4 3:1 4:2 6:3 7:4 8:1 9:=2"},
        {3, "1:4 2:1 3:2 3:3 5:4 6:1 7:=2"},
        {4, "1:1 2:2 2:3 4:4 6:1 7:2 8:3 9:=4"},
    };
    for (const auto& c : cases) {
        gp::ScriptedBoxes script;  // a script of its own for each case
        SCOPED_TRACE(c.dealer);
        script.expect("Make Trump Suit?", vbNo);
        script.expect("Trump Suit is now Hearts", vbOK);
        script.expect("Do you wish to play alone?", vbNo);
        euchre& e = openDealt(c.dealer, kQuietDeal);
        EXPECT_EQ(biddingLog(e), c.log);
        script.verifyAllUsed();
        const auto& shown = script.shown();
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_EQ(shown[0].style, 68);
        EXPECT_EQ(shown[1].title, "Trump Suit");
        EXPECT_EQ(shown[1].style, 64);
        EXPECT_EQ(shown[2].title, "Do you wish to play alone?");
        EXPECT_EQ(shown[2].style, 68);
        EXPECT_EQ(e.table.trump, Suit::Hearts);
        EXPECT_TRUE(showsFile(e.Image4, "\\Images\\hearts.bmp"));
        EXPECT_TRUE(e.Image4.Visible);
        EXPECT_FALSE(e.Image3.Visible);
        EXPECT_FALSE(e.Frame1.Visible);
        for (const platform::Label* remark : {&e.Label5, &e.Label6, &e.Label7, &e.Label8})
            EXPECT_EQ(remark->Caption.get(), "");
        // The jack of diamonds is the user's left bower now, counted among the hearts.
        EXPECT_EQ(e.table.cardsuit[euchretest::slotOf(e.table, "JD")], Suit::Hearts);
        EXPECT_EQ(suitcountOf(e.table, kUser, Suit::Hearts), 1);
        EXPECT_EQ(suitcountOf(e.table, kUser, Suit::Diamonds), 4);
        EXPECT_FALSE(e.Timer1.Enabled || e.Timer2.Enabled || e.Timer3.Enabled);
        e.Unload();
        settle();
    }
}

TEST_F(EuchreBidding, EachWayOfMakingTrumpNamesTheSuitInItsOwnWay) {
    const struct { const char* name; int dealer; euchretest::Deal deal; int answer; const char* prompt; const char* title; int maker; } cases[] = {
        {"the user accepts the turned card", 2, kQuietDeal, vbYes, "Trump Suit is now diamonds", "diamonds", 3},
        {"a computer seat accepts it", 1, {"AH KH AC KC AS", "QD TD JD QC KS", "AD KD QH JH JC", "TH 9H TC 9C QS", "9D"},
         0, "Trump Suit is now Diamonds", "Diamonds", 2},
    };
    for (const auto& c : cases) {
        gp::ScriptedBoxes script;  // a script of its own for each case
        SCOPED_TRACE(c.name);
        if (c.answer) script.expect("Make Trump Suit?", c.answer);
        script.expect(c.prompt, vbOK);
        script.expect("Do you wish to play alone?", vbNo);
        euchre& e = openDealt(c.dealer, c.deal);
        for (int tick = 0; tick < 5 && !e.handinplay(); ++tick) advance(1000);
        ASSERT_TRUE(e.handinplay());
        EXPECT_EQ(script.shown()[c.answer ? 1 : 0].title, c.title);
        EXPECT_EQ(e.table.maker, c.maker);
        EXPECT_EQ(e.table.trump, Suit::Diamonds);
        EXPECT_TRUE(showsFile(e.Image4, "\\Images\\diamonds.bmp"));
        script.verifyAllUsed();
        e.Unload();
        settle();
    }
}

TEST_F(EuchreBidding, TheUserNamesAnySuitInPickSuit) {
    const struct { const char* suit; const char* title; } cases[] = {
        {"spades", "Spades"}, {"diamonds", "Diamonds"}, {"clubs", "Clubs"}, {"hearts", "Hearts"}};
    for (const auto& c : cases) {
        gp::ScriptedBoxes script;  // a script of its own for each case
        SCOPED_TRACE(c.suit);
        script.expect("Make Trump Suit?", vbNo);
        script.expect(std::string("Trump Suit is now ") + c.title, vbOK);
        script.expect("Do you wish to play alone?", vbNo);
        euchre& e = openDealt(2, kQuietDeal);
        for (int tick = 0; tick < 8 && !e.Frame1.Visible; ++tick) advance(1000);
        ASSERT_TRUE(e.Frame1.Visible);
        EXPECT_FALSE(e.Timer2.Enabled);
        platform::Image* buttons[] = {&e.Image6, &e.Image7, &e.Image8, &e.Image9};
        const std::string suits[] = {"spades", "diamonds", "clubs", "hearts"};
        for (int k = 0; k < 4; ++k)
            if (suits[k] == c.suit) click(*buttons[k]);
        EXPECT_EQ(script.shown()[1].title, c.title);
        EXPECT_FALSE(e.Frame1.Visible);
        EXPECT_EQ(e.table.trump, core::suitnamed(c.suit));
        EXPECT_EQ(e.table.maker, kUser);
        EXPECT_TRUE(showsFile(e.Image4, trumpfile(core::suitnamed(c.suit))));
        EXPECT_EQ(e.table.leader, kUser) << "the seat after the dealer leads";
        EXPECT_FALSE(e.Timer4.Enabled) << "the hand waits for the user's card";
        script.verifyAllUsed();
        e.Unload();
        settle();
    }
}

TEST_F(EuchreBidding, NoCardPlaysWhileTrumpIsBeingMade) {
    boxes.expect("Make Trump Suit?", vbNo);
    euchre& e = openDealt(2, kQuietDeal);
    ASSERT_EQ(e.table.turn, kUser) << "the user has just passed and is still the seat in turn";
    sounds.clear();
    click(e.Image1[1]);
    for (int tick = 0; tick < 8 && !e.Frame1.Visible; ++tick) advance(1000);
    ASSERT_TRUE(e.Frame1.Visible);
    click(e.Image1[2]);
    click(e.Label10);
    EXPECT_EQ(e.table.turn, kUser);
    click(e.Image1[3]);
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(e.Image1[slot].Tag.get(), std::to_string(slot));
        EXPECT_NEAR(e.Image1[slot].Top, 6480, 0.01);
    }
    EXPECT_EQ(e.table.playercount, 5);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_EQ(e.Label8.Caption.get(), "Passed");
}

// The question about the turned card asks the box to leave the card in sight, whether it comes as
// the hand starts or once seat 2 has passed, at every screen size; placed as the box places itself,
// a box of the question's size then covers none of the card.
TEST_F(EuchreBidding, TheQuestionAboutTheTurnedCardLeavesTheCardInSight) {
    const platform::ScreenSize screens[] = {{640, 480}, {800, 600}, {1024, 768}};
    for (const auto [width, height] : screens) {
        for (const int dealer : {2, 1}) {
            SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", dealer " + std::to_string(dealer));
            setScreen(width, height);
            gp::ScriptedBoxes script;
            script.expect("Make Trump Suit?", vbNo);
            euchre& e = openDealt(dealer, kQuietDeal);
            if (dealer == 1) advance(1000);
            script.verifyAllUsed();
            ASSERT_FALSE(script.shown().empty());
            const platform::BoxRequest& asked = script.shown().back();
            ASSERT_EQ(asked.prompt, "Do you accept this card for Trump Suit?");
            ASSERT_TRUE(asked.keepVisible.has_value());
            const platform::ScreenRect card = *asked.keepVisible;
            ASSERT_TRUE(e.Image3.Visible);
            // The card's own rectangle on the screen, wherever a window manager puts the client area.
            EXPECT_LE(card.left, e.Left + e.Image3.Left);
            EXPECT_LE(card.top, e.Top + e.Image3.Top);
            EXPECT_GE(card.left + card.width, e.Left + e.Image3.Left + e.Image3.Width);
            EXPECT_GE(card.top + card.height, e.Top + (e.Height - e.ScaleHeight()) + e.Image3.Top + e.Image3.Height);
            for (const auto& [boxWidth, boxHeight] : {std::pair{330.0, 120.0}, std::pair{420.0, 150.0}}) {
                const platform::ScreenRect box =
                    platform::besideOf(boxWidth * 15, boxHeight * 15, card, width * 15.0, height * 15.0);
                const double boxBottom = box.top + box.height + platform::kTitleAllowanceTwips;
                const bool clear = box.left + box.width <= card.left || card.left + card.width <= box.left ||
                                   boxBottom <= card.top || card.top + card.height <= box.top;
                EXPECT_TRUE(clear) << "a box " << boxWidth << " x " << boxHeight << " px";
                EXPECT_TRUE(platform::fitsOnScreen(box, width * 15.0, height * 15.0));
            }
            e.Unload();
            settle();
        }
    }
}

}  // namespace
