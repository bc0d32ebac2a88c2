#include "crazy8s_fixture.h"

#include "platform/boxes.h"

#include <string>

using namespace crazy8srules;

namespace {

TEST_F(Crazy8sTest, AnEightAsksForASuitAndTheComputerAnswersAtOnce) {
    crazy8s& g = openWith("8C 4C 5D 6S 7H 9C 10D", "3C 4D 5S 6H 7C 9D KS", "2H");
    play(g, "8C");
    choosesuitcrazy8* dialog = platform::loaded<choosesuitcrazy8>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Visible);
    EXPECT_EQ(dialog->Caption.get(), "Choose Suit");
    EXPECT_FALSE(g.Enabled);
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_EQ(g.table.activerank, 8);
    EXPECT_FALSE(g.Timer3.Enabled) << "no pause follows an eight";
    EXPECT_FALSE(g.Command1.Enabled);

    close(*dialog);
    ASSERT_EQ(platform::loaded<choosesuitcrazy8>(), dialog) << "no closing before a suit is picked";
    EXPECT_TRUE(dialog->Visible);
    EXPECT_FALSE(g.Enabled);
    EXPECT_EQ(g.table.compcount, 7);

    boxes.expect("The Suit is now spades", platform::vbOK);
    click(dialog->Image4);
    EXPECT_EQ(platform::loaded<choosesuitcrazy8>(), nullptr);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Suit Chage");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    // The computer has followed the named suit with no pause.
    EXPECT_EQ(topdiscard(g), image(g, "5S"));
    EXPECT_EQ(g.table.compcount, 6);
    EXPECT_TRUE(g.Enabled);
    EXPECT_TRUE(userturn(g));
    EXPECT_TRUE(g.Command1.Enabled);
    settle();
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled) << "the table locks the main window again";
}

struct PickCase {
    int ace;  // 1..4 as the dialog numbers its pictures
    const char* suit;
};

TEST_F(Crazy8sTest, EachAceNamesItsSuit) {
    const PickCase cases[] = {{3, "clubs"}, {1, "diamonds"}, {4, "spades"}, {2, "hearts"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.suit);
        // The computer holds nothing of any suit but draws: its first stock card, an eight of its own, follows.
        crazy8s& g = openWith("8C 4C 5D 6D 7H 9C 10D", "AS 2S 3S 4S 5S 6S 7S", "KD", "8H");
        play(g, "8C");
        choosesuitcrazy8& dialog = platform::window<choosesuitcrazy8>();
        platform::Image* aces[] = {nullptr, &dialog.Image1, &dialog.Image2, &dialog.Image3, &dialog.Image4};
        boxes.expect(std::string("The Suit is now ") + c.suit, platform::vbOK);
        if (std::string(c.suit) != "spades") boxes.expect("The suit is now spades", platform::vbOK);
        click(*aces[c.ace]);
        EXPECT_EQ(g.pickedsuit, core::suitnamed(c.suit));
        boxes.verifyAllUsed();
        g.Unload();
        settle();
    }
}

TEST_F(Crazy8sTest, NamingTheSameSuitAgainShowsTheMessageAndSetsTheSuit) {
    // The user names clubs; the computer answers with its eight, naming diamonds; the user's next
    // eight names clubs again, and the computer must follow clubs, not diamonds.
    crazy8s& g = openWith("8C 8D 2S 3S 4S 5S 6S", "8S 4D 5D 6D 7D 9D KC", "2H");
    play(g, "8C");
    boxes.expect("The Suit is now clubs", platform::vbOK);
    boxes.expect("The suit is now diamonds", platform::vbOK);
    click(platform::window<choosesuitcrazy8>().Image3);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].title, "Suit change");
    EXPECT_EQ(topdiscard(g), image(g, "8S"));
    EXPECT_EQ(g.table.activesuit, core::Suit::Diamonds);
    EXPECT_EQ(g.table.activerank, 8);

    play(g, "8D");
    boxes.expect("The Suit is now clubs", platform::vbOK);
    click(platform::window<choosesuitcrazy8>().Image3);
    EXPECT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(topdiscard(g), image(g, "KC"));
    EXPECT_EQ(g.table.activesuit, core::Suit::Clubs);
}

struct DialogSize {
    int width, height;
    float scale;
};

TEST_F(Crazy8sTest, TheSuitChoiceHoldsItsFourAcesAtEachScreenSize) {
    const DialogSize cases[] = {{1024, 768, 1.0f}, {800, 600, 0.9f}, {640, 480, 0.63f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        crazy8s& g = openWith("8C 4C 5D 6S 7H 9C 10D", "3C 4D 5S 6H 7C 9D KS", "2H");
        play(g, "8C");
        choosesuitcrazy8& dialog = platform::window<choosesuitcrazy8>();
        const double k = c.scale;
        const double lefts[] = {1680, 4560, 240, 3120};  // Image1 .. Image4
        platform::Image* aces[] = {&dialog.Image1, &dialog.Image2, &dialog.Image3, &dialog.Image4};
        for (int a = 0; a < 4; ++a) {
            EXPECT_NEAR(aces[a]->Left, lefts[a] * k, 0.01);
            EXPECT_NEAR(aces[a]->Top, 120 * k, 0.01);
            EXPECT_NEAR(aces[a]->Width, 1065 * k, 0.01);
            EXPECT_NEAR(aces[a]->Height, 1440 * k, 0.01);
            EXPECT_LE(aces[a]->Left + aces[a]->Width, dialog.ScaleWidth());
            EXPECT_LE(aces[a]->Top + aces[a]->Height, dialog.ScaleHeight());
            EXPECT_TRUE(aces[a]->Picture.get()) << "drawn at load";
        }
        EXPECT_GE(dialog.Width, 5955 * k);
        boxes.expect("The Suit is now hearts", platform::vbOK);
        click(dialog.Image2);
        g.Unload();
        settle();
    }
}

TEST_F(Crazy8sTest, TheUsersLastCardAnEightWinsWithoutASuit) {
    crazy8s& g = openWith("3H 4C 5D 6S 7H 9C 8D", kRaceCompEight, "2H");
    for (const std::string& card : kRacePlays) round(g, card);
    boxes.expect("You Win, Keep Playing?", platform::vbNo);
    play(g, "8D");
    EXPECT_EQ(platform::loaded<choosesuitcrazy8>(), nullptr);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

}  // namespace
