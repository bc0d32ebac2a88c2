#include "common/backs.h"

#include "art/card_face.h"
#include "art/deck.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "support/window_test.h"

namespace {

class backtable : public platform::Form {
public:
    platform::Image upright{*this};
    platform::Image sideways{*this};
};

class Backs : public gp::WindowTest {
protected:
    void SetUp() override {
        gp::WindowTest::SetUp();
        // Backs deliberately of another size than a face, as the deck designs are.
        save(art::cardFace(art::Suit::Spades, 1), "acespades.gif");
        save(art::deckPicture(1, art::DeckPicture::Back), "bikecard.gif");
        save(art::deckPicture(1, art::DeckPicture::SideBack), "bikecardside.gif");
    }
    void save(const QImage& image, const char* name) {
        ASSERT_TRUE(platform::SavePicture(platform::Picture(image), (programDir() / "Images" / name).string()));
    }
};

}  // namespace

TEST_F(Backs, BackShowsAtTheSizeOfAFace) {
    auto& t = open<backtable>();
    common::facesizedback(t.upright);
    EXPECT_EQ(t.upright.Width.get(), 71 * 15);
    EXPECT_EQ(t.upright.Height.get(), 96 * 15);
    EXPECT_TRUE(t.upright.Stretch.get());
    EXPECT_EQ(t.upright.Picture->widthPx(), 86) << "the back, not the face";

    common::facesizedback(t.sideways, true);
    EXPECT_EQ(t.sideways.Width.get(), 96 * 15);
    EXPECT_EQ(t.sideways.Height.get(), 71 * 15);
    EXPECT_EQ(t.sideways.Picture->widthPx(), 116);
}

TEST_F(Backs, AStretchedImageKeepsItsSize) {
    auto& t = open<backtable>();
    t.upright.Stretch = true;
    t.upright.Move(0, 0, 800, 1100);  // a scaled card keeps its scaled size
    common::facesizedback(t.upright);
    EXPECT_EQ(t.upright.Width.get(), 800);
    EXPECT_EQ(t.upright.Height.get(), 1100);
}

TEST_F(Backs, ASecondDealKeepsASidewaysCardSideways) {
    auto& t = open<backtable>();
    for (int deal = 1; deal <= 2; ++deal) {
        SCOPED_TRACE(deal);
        common::facesizedback(t.sideways, true);
        EXPECT_EQ(t.sideways.Width.get(), 96 * 15);
        EXPECT_EQ(t.sideways.Height.get(), 71 * 15);
    }
}
