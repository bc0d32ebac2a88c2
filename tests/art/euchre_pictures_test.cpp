#include "art/euchre_pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace {

QByteArray pixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QByteArray(reinterpret_cast<const char*>(rgb.constBits()), static_cast<int>(rgb.sizeInBytes()));
}

TEST(EuchrePictures, EachPictureHasItsSizeAndTellsItsSuitOrDirectionApart) {
    std::set<QByteArray> trumps, buttons, arrows;
    for (art::Suit suit : art::kSuits) {
        const QImage trump = art::trumpPicture(suit);
        EXPECT_EQ(trump.size(), QSize(33, 25));
        trumps.insert(pixels(trump));
        const QImage button = art::suitButton(suit);
        EXPECT_EQ(button.size(), QSize(23, 21));
        buttons.insert(pixels(button));
    }
    for (art::Arrow arrow : {art::Arrow::Up, art::Arrow::Down, art::Arrow::Left, art::Arrow::Right}) {
        const QImage image = art::arrowPicture(arrow);
        EXPECT_EQ(image.size(), QSize(30, 28));
        arrows.insert(pixels(image));
    }
    EXPECT_EQ(trumps.size(), 4u);
    EXPECT_EQ(buttons.size(), 4u);
    EXPECT_EQ(arrows.size(), 4u);
    EXPECT_EQ(art::dealerMarker().size(), QSize(25, 25));
}

TEST(EuchrePictures, TheUpArrowPointsUp) {
    const QImage up = art::arrowPicture(art::Arrow::Up);
    const QColor felt = up.pixelColor(1, 1);
    // The tip lies at the top middle; the bottom corners are felt beside the shaft.
    EXPECT_NE(up.pixelColor(15, 4), felt);
    EXPECT_EQ(up.pixelColor(3, 25), felt);
    EXPECT_NE(up.pixelColor(15, 25), felt);
    const QImage left = art::arrowPicture(art::Arrow::Left);
    EXPECT_NE(left.pixelColor(4, 14), felt);
    EXPECT_EQ(left.pixelColor(27, 3), felt);
}

}  // namespace
