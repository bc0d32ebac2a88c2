#include "art/deck.h"
#include "art/painting.h"

#include <QTransform>

#include <gtest/gtest.h>

#include <set>

namespace {

using art::DeckPicture;

struct SizeCase {
    int design;
    DeckPicture picture;
    QSize size;
};

TEST(ArtDeck, PicturesHaveTheSizesOfTheirKind) {
    const SizeCase cases[] = {
        {1, DeckPicture::Back, {86, 116}},       {1, DeckPicture::SideBack, {116, 86}},
        {1, DeckPicture::FullStock, {107, 145}}, {1, DeckPicture::HalfStock, {107, 145}},
        {1, DeckPicture::ThinStock, {107, 145}}, {2, DeckPicture::Back, {86, 116}},
        {3, DeckPicture::SideBack, {116, 86}},   {4, DeckPicture::HalfStock, {107, 145}},
        {5, DeckPicture::Back, {88, 120}},       {5, DeckPicture::SideBack, {120, 88}},
        {5, DeckPicture::FullStock, {107, 145}}, {5, DeckPicture::ThinStock, {107, 145}},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.design);
        EXPECT_EQ(art::deckPicture(c.design, c.picture).size(), c.size);
        EXPECT_EQ(art::deckPictureSize(c.design, c.picture), c.size);
    }
}

TEST(ArtDeck, UnknownDesignGivesNoPicture) {
    for (int design : {0, 6, -1}) EXPECT_TRUE(art::deckPicture(design, DeckPicture::Back).isNull()) << design;
}

// Opaque, with the table's green in the rounded corners, so a bitmap save loses nothing.
TEST(ArtDeck, PicturesAreOpaqueOnTheTableGreen) {
    for (int design = 1; design <= art::kDeckDesigns; ++design)
        for (DeckPicture picture : art::kDeckPictures) {
            const QImage image = art::deckPicture(design, picture);
            EXPECT_FALSE(image.hasAlphaChannel()) << design;
            EXPECT_EQ(image.pixelColor(0, 0), art::kTableGreen) << design;
        }
}

TEST(ArtDeck, SidewaysBackIsTheBackTurned) {
    for (int design = 1; design <= art::kDeckDesigns; ++design) {
        const QImage turned = art::deckPicture(design, DeckPicture::Back).transformed(QTransform().rotate(90));
        EXPECT_EQ(art::deckPicture(design, DeckPicture::SideBack), turned) << design;
    }
}

TEST(ArtDeck, DesignsDifferFromEachOther) {
    std::set<QRgb> middles;
    for (int design = 1; design <= art::kDeckDesigns; ++design) {
        const QImage back = art::deckPicture(design, DeckPicture::Back).scaled(8, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        middles.insert(back.pixel(1, 2));
    }
    EXPECT_EQ(middles.size(), 5u);
}

TEST(ArtDeck, PilesThinAsTheStockShrinks) {
    // The pile's depth shows as card edges beyond the top card at the right.
    auto depth = [](DeckPicture picture) {
        const QImage image = art::deckPicture(1, picture);
        int x = image.width() - 1;
        while (x > 0 && image.pixelColor(x, 72) == art::kTableGreen) --x;
        return x;
    };
    EXPECT_GT(depth(DeckPicture::FullStock), depth(DeckPicture::HalfStock));
    EXPECT_GT(depth(DeckPicture::HalfStock), depth(DeckPicture::ThinStock));
}

}  // namespace
