#include "art/hangman.h"
#include "art/picture_files.h"
#include "art/tictactoe.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

QByteArray pixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QByteArray(reinterpret_cast<const char*>(rgb.constBits()), static_cast<int>(rgb.sizeInBytes()));
}

int inked(const QImage& image, QRgb background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != background ? 1 : 0;
    return count;
}

TEST(TicTacToePictures, ThreeDifferentCellsAndAnArrowPointingRight) {
    const QImage blank = art::ticTacCell(art::CellMark::Blank);
    const QImage x = art::ticTacCell(art::CellMark::X);
    const QImage o = art::ticTacCell(art::CellMark::O);
    for (const QImage* cell : {&blank, &x, &o}) EXPECT_EQ(cell->size(), QSize(97, 89));
    EXPECT_EQ((std::set<QByteArray>{pixels(blank), pixels(x), pixels(o)}).size(), 3u);
    // An X crosses the cell's middle; an O leaves it to the felt.
    EXPECT_NE(x.pixel(48, 44), blank.pixel(48, 44));
    EXPECT_EQ(o.pixel(48, 44), blank.pixel(48, 44));

    const QImage arrow = art::turnArrow();
    ASSERT_EQ(arrow.size(), QSize(62, 60));
    const QRgb background = art::kTicTacBackground.rgb();
    EXPECT_EQ(arrow.pixel(1, 1), background);
    EXPECT_EQ(arrow.pixel(58, 4), background) << "nothing at the top right";
    EXPECT_GT(qRed(arrow.pixel(48, 30)), 200) << "the tip is yellow";
    EXPECT_LT(qBlue(arrow.pixel(48, 30)), 120);
}

TEST(HangmanPictures, LettersButtonsAndTilesEachTellTheirLetter) {
    std::set<QByteArray> buttons, tiles;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QImage button = art::letterButton(letter);
        const QImage tile = art::letterTile(letter);
        ASSERT_EQ(button.size(), QSize(43, 39));
        ASSERT_EQ(tile.size(), QSize(33, 33));
        buttons.insert(pixels(button));
        tiles.insert(pixels(tile));
    }
    EXPECT_EQ(buttons.size(), 26u);
    EXPECT_EQ(tiles.size(), 26u);
    EXPECT_EQ(art::usedLetterButton().size(), QSize(43, 39));
    EXPECT_EQ(buttons.count(pixels(art::usedLetterButton())), 0u);
    EXPECT_EQ(tiles.count(pixels(art::hiddenTile())), 0u);
    const QImage gap = art::gapTile();
    ASSERT_EQ(gap.size(), QSize(33, 33));
    EXPECT_EQ(inked(gap, art::kHangmanBackdrop.rgb()), 0) << "a gap shows the backdrop alone";
}

TEST(HangmanPictures, EachWrongGuessAddsToTheGallows) {
    const QRgb backdrop = art::kHangmanBackdrop.rgb();
    int before = 0;
    for (int stage = 1; stage <= 7; ++stage) {
        const QImage picture = art::gallows(stage);
        ASSERT_EQ(picture.size(), QSize(233, 256));
        const int ink = inked(picture, backdrop);
        EXPECT_GT(ink, before) << stage;
        before = ink;
    }
    EXPECT_EQ(art::gallows(1).pixel(150, 130), backdrop) << "a bare gallows has no body";
    EXPECT_NE(art::gallows(3).pixel(150, 130), backdrop);
}

TEST(HangmanPictures, TheGameFilesLieInTheRegistryAtTheirControlsSizes) {
    std::map<QString, QSize> expected{
        {"greenblank.bmp", {97, 89}}, {"greenx.bmp", {97, 89}},       {"greeno.bmp", {97, 89}},
        {"blankletteer.bmp", {43, 39}}, {"letter.bmp", {33, 33}},     {"blank.bmp", {33, 33}},
        {"a.bmp", {43, 39}},          {"z.bmp", {43, 39}},            {"littlea.bmp", {33, 33}},
        {"littlez.bmp", {33, 33}},    {"stage1.bmp", {233, 256}},     {"stage7.bmp", {233, 256}},
    };
    std::set<QString> names;
    for (const art::PictureFile& file : art::pictureFiles(1)) {
        EXPECT_TRUE(names.insert(file.name).second) << "twice: " << file.name.toStdString();
        const auto it = expected.find(file.name);
        if (it == expected.end()) continue;
        EXPECT_EQ(file.draw().size(), it->second) << file.name.toStdString();
        EXPECT_STREQ(art::pictureFileFormat(file.name), "BMP");
        expected.erase(it);
    }
    for (const auto& [name, size] : expected) ADD_FAILURE() << "missing: " << name.toStdString();
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        EXPECT_TRUE(names.contains(QString("%1.bmp").arg(letter))) << letter;
        EXPECT_TRUE(names.contains(QString("little%1.bmp").arg(letter))) << letter;
    }
    for (int stage = 1; stage <= 7; ++stage) EXPECT_TRUE(names.contains(QString("stage%1.bmp").arg(stage)));
}

}  // namespace
