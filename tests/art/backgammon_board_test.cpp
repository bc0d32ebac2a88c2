#include "art/backgammon_geometry.h"
#include "art/backgammon_pictures.h"
#include "art/chooser.h"
#include "art/color_pads.h"
#include "art/dice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace {

namespace geo = art::bgboard;

// The colour under a point given in design twips, on the board drawn at a scale.
QColor at(const QImage& board, double x, double y, float scale) {
    const double s = scale;
    return board.pixelColor(static_cast<int>(x * s / 15), static_cast<int>(y * s / 15));
}

bool woody(const QColor& c) { return c.red() > c.green() && c.green() > c.blue(); }

TEST(ArtBackgammonGeometry, SlotsRunFromTheEdgeInFivesThenInTheGapsThenOverTheFirst) {
    const struct {
        int count;
        double top, bottom;
    } cases[] = {{0, 960, 8760}, {4, 3840, 5880}, {5, 1200, 8520}, {9, 4080, 5640}, {10, 960, 8760}, {14, 3840, 5880}};
    for (const auto& c : cases) {
        EXPECT_EQ(geo::slotTop(13, c.count), c.top) << c.count;
        EXPECT_EQ(geo::slotTop(25, c.count), c.top) << "the user's tray counts as the top half";
        EXPECT_EQ(geo::slotTop(12, c.count), c.bottom) << c.count;
        EXPECT_EQ(geo::slotTop(0, c.count), c.bottom) << "the computer's tray counts as the bottom half";
    }
    EXPECT_FALSE(geo::slotTop(1, 15));
    EXPECT_FALSE(geo::slotTop(1, -1));
}

TEST(ArtBackgammonGeometry, ColumnsAreSharedAcrossTheBoardAndDifferBesideTheBar) {
    for (int p = 1; p <= 24; ++p) EXPECT_EQ(*geo::userColumn(p), *geo::userColumn(25 - p)) << p;
    EXPECT_EQ(*geo::userColumn(6), 8040);
    EXPECT_EQ(*geo::computerColumn(6), 8160);
    EXPECT_EQ(*geo::userColumn(13), 2040);
    EXPECT_EQ(*geo::computerColumn(13), 1920);
    EXPECT_EQ(*geo::userColumn(25), 13440);
    EXPECT_EQ(*geo::computerColumn(0), 13560);
    EXPECT_FALSE(geo::userColumn(0)) << "the bar has no column";
    EXPECT_FALSE(geo::computerColumn(25));
}

// Checkers, markers, bar spots and tray slabs placed by the tables land on the painted board.
TEST(ArtBackgammonBoard, PointsBarAndTraysLieUnderTheControlsAtEveryScale) {
    for (const art::BoardFile& file : art::backgammonBoardFiles()) {
        SCOPED_TRACE(file.name.toStdString());
        const float s = file.scale;
        const QImage board = art::backgammonBoard(s);
        EXPECT_EQ(board.width(), std::lround(geo::kPictureWidth * double(s)));
        EXPECT_EQ(board.height(), std::lround(geo::kPictureHeight * double(s)));
        const double half = geo::kChecker / 2;
        const QColor light = at(board, *geo::userColumn(1) + half, *geo::slotTop(1, 0) + half, s);
        const QColor dark = at(board, *geo::userColumn(2) + half, *geo::slotTop(2, 0) + half, s);
        const QColor felt = at(board, *geo::userColumn(3) + half, geo::kDieTop - 400, s);
        EXPECT_EQ(std::set<QRgb>({light.rgb(), dark.rgb(), felt.rgb()}).size(), 3u);
        for (int p = 1; p <= 24; ++p)
            for (int count : {0, 1, 2})
                for (const auto column : {geo::userColumn(p), geo::computerColumn(p)}) {
                    const QColor under = at(board, *column + half, *geo::slotTop(p, count) + half, s);
                    EXPECT_EQ(under, p % 2 ? light : dark) << "point " << p << ", slot " << count;
                }
        for (const geo::Spot bar : {geo::kUserBar, geo::kComputerBar})
            EXPECT_TRUE(woody(at(board, bar.left + half, bar.top + half, s))) << "the bar";
        for (int p = 1; p <= 25; ++p) {
            const geo::Spot m = geo::kMarkers[p];
            const QColor under = at(board, m.left + geo::kMarkerWidth / 2, m.top + geo::kMarkerHeight / 2, s);
            EXPECT_TRUE(woody(under)) << "marker " << p << " lies on the frame";
        }
        for (const geo::Box first : {geo::kUserSlab, geo::kComputerSlab})
            for (int i : {1, 8, 15}) {
                const geo::Box slab = geo::slab(first, i, s);
                const QColor under = board.pixelColor(int((slab.left + slab.width / 2) / 15), int((slab.top + slab.height / 2) / 15));
                EXPECT_LT(under.lightness(), 60) << "slab " << i << " lies in its tray's recess";
                EXPECT_TRUE(woody(under));
            }
    }
}

TEST(ArtBackgammonPictures, DieFacesAndCubeFacesAreDistinct) {
    std::set<QByteArray> seen;
    for (int value = 1; value <= 6; ++value) {
        const QImage face = art::dieFace(value, 64);
        EXPECT_EQ(face.size(), QSize(64, 64));
        seen.insert(QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
    }
    for (int value = 1; value <= 64; value *= 2) {
        const QImage face = art::cubeFace(value);
        EXPECT_EQ(face.size(), QSize(67, 58));
        seen.insert(QByteArray(reinterpret_cast<const char*>(face.constBits()), face.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 13u);
}

// The program draws these ahead while its main window waits, so each window's first opening finds
// them: each is drawn once, and the same pixels come back; different faces stay different.
TEST(ArtSmallPictures, CubeDieTreeIconAndColourPadPicturesAreDrawnOnce) {
    const struct {
        const char* what;
        std::function<QImage(int)> draw;
        int first, last;
    } pictures[] = {
        {"cube face", [](int k) { return art::cubeFace(1 << k); }, 0, 6},
        {"die face", [](int value) { return art::dieFace(value, art::kBackgammonDiePixels); }, 1, 6},
        {"small die face", [](int value) { return art::dieFace(value, 20); }, 1, 6},
        {"tree icon", [](int number) { return art::treeIcon(number); }, 1, 3},
        {"colour pad", [](int k) { return art::colorPad(k / 2 + 1, k % 2 == 1); }, 0, 7},
    };
    for (const auto& p : pictures) {
        std::set<qint64> keys;
        for (int i = p.first; i <= p.last; ++i) {
            const QImage once = p.draw(i);
            ASSERT_FALSE(once.isNull()) << p.what << ' ' << i;
            EXPECT_EQ(once.cacheKey(), p.draw(i).cacheKey()) << p.what << ' ' << i;
            keys.insert(once.cacheKey());
        }
        EXPECT_EQ(keys.size(), std::size_t(p.last - p.first + 1)) << p.what;
    }
    EXPECT_NE(art::dieFace(3, 20).size(), art::dieFace(3, art::kBackgammonDiePixels).size());
}

}  // namespace
