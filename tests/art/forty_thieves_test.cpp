#include "art/forty_thieves.h"

#include "art/painting.h"

#include <gtest/gtest.h>

namespace {

TEST(FortyThievesPicture, TheEmptyFoundationIsAMaroonCardOnTheTable) {
    const QImage field = art::emptyFoundation();
    EXPECT_EQ(field.size(), QSize(71, 96)) << "the size of a face";
    EXPECT_EQ(field.pixelColor(0, 0), art::kTableGreen) << "rounded corners show the table";
    EXPECT_EQ(field.pixelColor(70, 95), art::kTableGreen);
    EXPECT_EQ(field.pixelColor(35, 48), QColor(128, 0, 0));
    const QColor edge = field.pixelColor(35, 0);
    EXPECT_LT(edge.red(), 100) << "a dark edge";
    EXPECT_EQ(edge.green(), 0);
    EXPECT_GT(field.pixelColor(5, 48).red(), 128) << "a lighter inner rim";
}

}  // namespace
