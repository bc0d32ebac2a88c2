#include "art/interlock.h"
#include "art/picture_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ArtInterlock, TheGridCellIsPlainDarkRedAtTheFaceSizeInAFileOfItsOwn) {
    const auto files = art::pictureFiles(1);
    const auto entry = std::ranges::find(files, QString("darkred.bmp"), &art::PictureFile::name);
    ASSERT_NE(entry, files.end());
    EXPECT_FALSE(entry->keepExisting);
    EXPECT_STREQ(art::pictureFileFormat(entry->name), "BMP");
    const QImage cell = entry->draw();
    ASSERT_EQ(cell.size(), QSize(71, 96));
    EXPECT_FALSE(cell.hasAlphaChannel());
    const QRgb red = cell.pixel(0, 0);
    EXPECT_GT(qRed(red), 96);
    EXPECT_LT(qRed(red), 176) << "dark";
    EXPECT_EQ(qGreen(red), 0);
    EXPECT_EQ(qBlue(red), 0);
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) ASSERT_EQ(cell.pixel(x, y), red) << x << ", " << y;
}

}  // namespace
