#include "art/color_pads.h"

#include <gtest/gtest.h>

#include <QColor>

#include <cstdlib>
#include <set>

namespace {

struct PadCase {
    int pad;
    QColor normal;
    QColor lit;
};

const PadCase kPads[] = {
    {1, QColor(255, 255, 0), QColor(255, 255, 128)},
    {2, QColor(0, 192, 0), QColor(0, 255, 0)},
    {3, QColor(255, 0, 0), QColor(255, 128, 128)},
    {4, QColor(0, 0, 255), QColor(128, 128, 255)},
};

bool near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

TEST(ArtColorPads, EachPadIsItsColourOnBlackAndItsLitPictureIsLighter) {
    std::set<QByteArray> seen;
    for (const PadCase& c : kPads) {
        SCOPED_TRACE(c.pad);
        for (bool lit : {false, true}) {
            const QImage image = art::colorPad(c.pad, lit);
            ASSERT_EQ(image.size(), art::kColorPadSize);
            EXPECT_FALSE(image.hasAlphaChannel());
            EXPECT_EQ(image.depth(), 24);
            for (QPoint corner : {QPoint(0, 0), QPoint(174, 0), QPoint(0, 174), QPoint(174, 174)})
                EXPECT_EQ(image.pixelColor(corner), QColor(Qt::black));
            seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        const QColor normal = art::colorPad(c.pad, false).pixelColor(87, 87);
        const QColor lit = art::colorPad(c.pad, true).pixelColor(87, 87);
        EXPECT_TRUE(near(normal, c.normal, 24)) << normal.name().toStdString();
        EXPECT_GT(lit.lightness(), normal.lightness());
        // The lit pad keeps its colour: its strongest channel is the designed lit colour's.
        const auto strongest = [](const QColor& k) { return std::max({k.red(), k.green(), k.blue()}); };
        for (int channel = 0; channel < 3; ++channel) {
            const int designed[] = {c.lit.red(), c.lit.green(), c.lit.blue()};
            const int drawn[] = {lit.red(), lit.green(), lit.blue()};
            if (designed[channel] == strongest(c.lit)) {
                EXPECT_EQ(drawn[channel], strongest(lit)) << channel;
            }
        }
    }
    EXPECT_EQ(seen.size(), 8u) << "eight different pictures";
    EXPECT_TRUE(art::colorPad(0, false).isNull());
    EXPECT_TRUE(art::colorPad(5, true).isNull());
}

}  // namespace
