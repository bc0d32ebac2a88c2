#include "art/picture_files.h"
#include "art/towers_foreaft.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

bool black(QRgb c) { return qRed(c) < 8 && qGreen(c) < 8 && qBlue(c) < 8; }

TEST(ArtTowersForeAft, ThePegStandsOnABaseOnBlack) {
    const QImage peg = art::hanoiPeg();
    ASSERT_EQ(peg.size(), QSize(226, 343));
    for (QPoint corner : {QPoint(0, 0), QPoint(225, 0), QPoint(0, 342), QPoint(225, 342)})
        EXPECT_TRUE(black(peg.pixel(corner)));
    // Wood up the post, across the base, and black beside the post above the base.
    for (int y : {30, 150, 260}) EXPECT_FALSE(black(peg.pixel(115, y))) << y;
    for (int x : {20, 60, 170, 210}) EXPECT_FALSE(black(peg.pixel(x, 282))) << x;
    EXPECT_TRUE(black(peg.pixel(40, 150)));
}

TEST(ArtTowersForeAft, SixDiscsOfTheirOwnColourOnBlack) {
    std::set<QRgb> middles;
    for (int disc = 1; disc <= 6; ++disc) {
        const QImage image = art::hanoiDisc(disc);
        ASSERT_EQ(image.size(), QSize(225, 54));
        EXPECT_TRUE(black(image.pixel(0, 0))) << disc;
        EXPECT_TRUE(black(image.pixel(224, 53))) << disc;
        EXPECT_FALSE(black(image.pixel(60, 27))) << disc;
        middles.insert(image.pixel(60, 27));
    }
    EXPECT_EQ(middles.size(), 6u);
    const QRgb teal = art::hanoiDisc(3).pixel(60, 27);
    EXPECT_GT(qGreen(teal), qRed(teal) + 40);
    const QRgb red = art::hanoiDisc(5).pixel(60, 27);
    EXPECT_GT(qRed(red), qGreen(red) + 60);
}

// Every window opening asks for the wood again; it is drawn once and the same pixels come back.
TEST(ArtTowersForeAft, ThePegAndDiscsAreDrawnOnce) {
    EXPECT_EQ(art::hanoiPeg().cacheKey(), art::hanoiPeg().cacheKey());
    for (int disc = 1; disc <= 6; ++disc) EXPECT_EQ(art::hanoiDisc(disc).cacheKey(), art::hanoiDisc(disc).cacheKey()) << disc;
    EXPECT_NE(art::hanoiDisc(1).cacheKey(), art::hanoiDisc(2).cacheKey());
}

TEST(ArtTowersForeAft, MarblesOnWhiteAndTheWhiteCellFile) {
    const QImage green = art::foreAftMarble(true);
    const QImage red = art::foreAftMarble(false);
    ASSERT_EQ(green.size(), QSize(30, 29));
    ASSERT_EQ(red.size(), QSize(30, 29));
    EXPECT_EQ(green.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(red.pixel(29, 28), qRgb(255, 255, 255));
    const QRgb g = green.pixel(17, 17);
    const QRgb r = red.pixel(17, 17);
    EXPECT_GT(qGreen(g), qRed(g) + 40);
    EXPECT_GT(qRed(r), qGreen(r) + 60);
    const auto files = art::pictureFiles(1);
    const auto white = std::ranges::find(files, QString("white.bmp"), &art::PictureFile::name);
    ASSERT_NE(white, files.end());
    const QImage cell = white->draw();
    EXPECT_EQ(cell.size(), QSize(49, 49));
    EXPECT_EQ(cell.pixel(24, 24), qRgb(255, 255, 255));
}

}  // namespace
