#include "art/card_face.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

using art::Suit;

// Pixels whose colour is clearly the red of the red suits.
int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.alpha() > 200 && c.red() > 150 && c.green() < 80 && c.blue() < 90;
        }
    return count;
}

// Share of pixels that differ noticeably between two images of one size.
double differingShare(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                             std::abs(qAlpha(p) - qAlpha(q)) > 60;
        }
    return static_cast<double>(differing) / (a.width() * a.height());
}

TEST(ArtCardFace, EveryFaceIs71By96AndAllAreDifferent) {
    std::set<QByteArray> seen;
    for (Suit suit : art::kSuits)
        for (int rank = 1; rank <= 13; ++rank) {
            const QImage face = art::cardFace(suit, rank);
            ASSERT_EQ(face.size(), QSize(71, 96)) << rank;
            const QImage rgba = face.convertToFormat(QImage::Format_ARGB32);
            seen.insert(QByteArray(reinterpret_cast<const char*>(rgba.constBits()), static_cast<int>(rgba.sizeInBytes())));
        }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(ArtCardFace, UnknownRankGivesNoPicture) {
    for (int rank : {-1, 0, 14}) EXPECT_TRUE(art::cardFace(Suit::Hearts, rank).isNull()) << rank;
}

TEST(ArtCardFace, RoundedCornersAreClearAndTheBodyIsWhite) {
    const QImage face = art::cardFace(Suit::Clubs, 5);
    for (QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 95), QPoint(70, 95)})
        EXPECT_EQ(qAlpha(face.pixel(corner)), 0) << corner.x() << "," << corner.y();
    EXPECT_EQ(face.pixelColor(35, 30), QColor(Qt::white));
}

TEST(ArtCardFace, RedSuitsAreInkedRedAndBlackSuitsAreNot) {
    for (Suit suit : art::kSuits)
        for (int rank : {1, 7, 10}) {
            const int red = redPixels(art::cardFace(suit, rank));
            if (art::isRed(suit)) EXPECT_GT(red, 100) << rank;
            else EXPECT_EQ(red, 0) << rank;
        }
}

// Number cards without pips on the middle line, and the double-headed court cards, read the same either
// way up; the corner indices turn with them.
TEST(ArtCardFace, LooksTheSameTurnedRound) {
    for (Suit suit : art::kSuits)
        for (int rank : {2, 4, 10, 11, 12, 13}) {
            const QImage face = art::cardFace(suit, rank);
            EXPECT_LT(differingShare(face, face.mirrored(true, true)), 0.01) << rank;
        }
}

TEST(ArtCardFace, CourtCardsAreFiguresNotJustLetters) {
    for (Suit suit : art::kSuits)
        for (int rank : {11, 12, 13}) {
            const QImage face = art::cardFace(suit, rank);
            std::set<QRgb> colours;
            for (int y = 20; y < 76; ++y)
                for (int x = 20; x < 51; ++x) colours.insert(face.pixel(x, y) & 0xf0f0f0);
            EXPECT_GT(colours.size(), 40u) << rank;
        }
}

TEST(ArtCardFace, CourtsOfOneRankDifferInDressAcrossSuits) {
    for (int rank : {11, 12, 13}) {
        const QImage spades = art::cardFace(Suit::Spades, rank);
        for (Suit suit : {Suit::Clubs, Suit::Diamonds, Suit::Hearts})
            EXPECT_GT(differingShare(spades, art::cardFace(suit, rank)), 0.1) << rank;
    }
}

}  // namespace
