#include "art/picture_files.h"
#include "art/sea_war.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool grey(QRgb c) {
    const int spread = std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
    return spread < 24 && qRed(c) > 80;
}

bool water(QRgb c) { return qBlue(c) > qRed(c) + 40 && qGreen(c) > qRed(c) + 20; }

TEST(ArtSeaWar, ShipsLieAlongTheirPicturesOnTheirBackground) {
    const QImage dock = art::seaShip(art::ShipView::Dock);
    const QImage side = art::seaShip(art::ShipView::Side);
    const QImage up = art::seaShip(art::ShipView::Up);
    ASSERT_EQ(dock.size(), QSize(118, 32));
    ASSERT_EQ(side.size(), QSize(118, 32));
    ASSERT_EQ(up.size(), QSize(32, 118));
    for (QPoint corner : {QPoint(0, 0), QPoint(117, 0), QPoint(0, 31), QPoint(117, 31)}) {
        EXPECT_EQ(dock.pixel(corner), qRgb(0, 0, 0));
        EXPECT_TRUE(water(side.pixel(corner)));
        EXPECT_TRUE(water(up.pixel(corner.y(), corner.x())));
    }
    // Steel along the middle from bow to stern.
    for (int along : {8, 38, 80, 106}) {
        EXPECT_TRUE(grey(dock.pixel(along, 16))) << along;
        EXPECT_TRUE(grey(side.pixel(along, 16))) << along;
        EXPECT_TRUE(grey(up.pixel(16, along))) << along;
    }
    // The bow is pointed: its tip leaves the corners beside it to the background.
    EXPECT_EQ(dock.pixel(3, 6), qRgb(0, 0, 0));
    EXPECT_TRUE(water(up.pixel(6, 3))) << "the upright ship's bow is at the top";
    EXPECT_TRUE(grey(up.pixel(6, 110)));
}

TEST(ArtSeaWar, PegsAreRedForAHitAndWhiteForAMissWithClearCorners) {
    const QImage hit = art::seaPeg(true);
    const QImage miss = art::seaPeg(false);
    ASSERT_EQ(hit.size(), QSize(64, 64));
    ASSERT_EQ(miss.size(), QSize(64, 64));
    for (const QImage* peg : {&hit, &miss}) {
        EXPECT_EQ(qAlpha(peg->pixel(1, 1)), 0);
        EXPECT_EQ(qAlpha(peg->pixel(62, 62)), 0);
        EXPECT_EQ(qAlpha(peg->pixel(32, 32)), 255);
    }
    const QRgb red = hit.pixel(32, 32);
    EXPECT_GT(qRed(red), 100);
    EXPECT_LT(qGreen(red), 40);
    EXPECT_LT(qBlue(red), 40);
    EXPECT_TRUE(grey(miss.pixel(32, 32)));
    EXPECT_GT(qRed(miss.pixel(32, 32)), 200);
}

TEST(ArtSeaWar, TheGridWaterIsAFileOfItsOwn) {
    const auto files = art::pictureFiles(1);
    const auto entry = std::ranges::find(files, QString("bluewater.bmp"), &art::PictureFile::name);
    ASSERT_NE(entry, files.end());
    EXPECT_FALSE(entry->keepExisting);
    const QImage image = entry->draw();
    EXPECT_EQ(image.size(), QSize(320, 320));
    EXPECT_FALSE(image.hasAlphaChannel());
    EXPECT_TRUE(water(image.pixel(160, 160)));
    EXPECT_STREQ(art::pictureFileFormat(entry->name), "BMP");
}

}  // namespace
