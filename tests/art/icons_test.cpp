#include "art/icons.h"

#include <gtest/gtest.h>

namespace {

TEST(ArtProgramIcon, IsDrawnAtEachSizeWithClearCorners) {
    for (int size : {16, 32, 48, 256}) {
        const QImage icon = art::programIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ArtGameCursor, HotSpotIsTheFingertip) {
    const art::CursorArt cursor = art::gameCursor();
    const QImage image = cursor.pixmap.toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    ASSERT_TRUE(image.rect().contains(cursor.hotSpot));
    // The fingertip is the topmost point of the hand, and the hot spot lies on it.
    int top = image.height();
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 100) top = y;
    EXPECT_EQ(cursor.hotSpot.y(), top);
    EXPECT_GT(qAlpha(image.pixel(cursor.hotSpot)), 100);
    EXPECT_EQ(image, art::gameCursorImage().convertToFormat(image.format()));
}

}  // namespace
