#include "art/chooser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct PictureCase {
    const char* name;
    QSize size;
};

// The game pictures of the chooser, in its order, at the sizes the chooser was designed for.
const PictureCase kPictures[] = {
    {"spadespic", {311, 209}},          {"heartspic", {311, 206}},       {"crazy8spic", {312, 207}},
    {"warpic", {601, 448}},             {"euchrepic", {278, 209}},       {"ginpic", {309, 208}},
    {"compmemorysmallpic", {311, 208}}, {"compmemorybigpic", {310, 206}}, {"cardmemscorepic", {246, 206}},
    {"interlockpuzzlepic", {238, 206}}, {"nestorpic", {309, 208}},       {"calculationpic", {279, 176}},
    {"golfpic", {311, 209}},            {"fortythievespic", {310, 197}}, {"accordionpic", {310, 164}},
    {"backgammonpic", {481, 339}},      {"colorpic", {200, 209}},        {"foreaftpic", {214, 206}},
    {"tictactoepic", {311, 208}},       {"towers1pic", {309, 206}},      {"towers2pic", {310, 207}},
    {"towers3pic", {308, 205}},         {"seawarpic", {312, 216}},       {"hangmanpic", {311, 207}},
};

TEST(ArtChooser, ListsTheTwentyFourPicturesInOrder) {
    const auto& list = art::gamePictures();
    ASSERT_EQ(list.size(), std::size(kPictures));
    for (size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].name, kPictures[i].name);
        EXPECT_EQ(list[i].size, kPictures[i].size) << kPictures[i].name;
    }
}

TEST(ArtChooser, EveryPictureIsDrawnAtItsSizeAndIsARealPicture) {
    std::set<QByteArray> seen;
    for (const PictureCase& c : kPictures) {
        SCOPED_TRACE(c.name);
        const QImage image = art::gamePicture(c.name);
        ASSERT_EQ(image.size(), c.size);
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y) & 0xf0f0f0);
        EXPECT_GT(colours.size(), 20u);
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), std::size(kPictures));
}

TEST(ArtChooser, UnknownNameGivesNoPicture) {
    EXPECT_TRUE(art::gamePicture("chesspic").isNull());
    EXPECT_TRUE(art::gamePicture("").isNull());
}

TEST(ArtTreeIcons, ThreeDifferentPicturesOnWhite) {
    std::set<QByteArray> seen;
    for (int number = 1; number <= 3; ++number) {
        const QImage icon = art::treeIcon(number);
        ASSERT_EQ(icon.size(), QSize(18, 19)) << number;
        EXPECT_EQ(icon.pixelColor(0, 0), QColor(Qt::white)) << number;
        seen.insert(QByteArray(reinterpret_cast<const char*>(icon.constBits()), static_cast<int>(icon.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 3u);
    for (int number : {0, 4}) EXPECT_TRUE(art::treeIcon(number).isNull()) << number;
}

// The second group's picture carries a dark red disc, the third a die with dark red pips.
TEST(ArtTreeIcons, BoardAndDieIconsShowDarkRed) {
    for (int number : {2, 3}) {
        const QImage icon = art::treeIcon(number);
        int darkRed = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QColor c = icon.pixelColor(x, y);
                darkRed += c.red() > 100 && c.red() < 200 && c.green() < 40 && c.blue() < 40;
            }
        EXPECT_GT(darkRed, 4) << number;
    }
}

}  // namespace
