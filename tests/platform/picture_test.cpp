#include "support/window_test.h"

#include "platform/files.h"

#include <QBuffer>
#include <QImage>

#include <algorithm>
#include <fstream>

namespace gp {
namespace {

class Board : public platform::Form {
public:
    platform::Image Image1{*this}, Image2{*this};
};

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage card() {
    QImage image(71, 96, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(70, 95, QColor(250, 0, 0));
    return image;
}

class Pictures : public WindowTest {
protected:
    void put(const std::string& relative, const QByteArray& bytes) {
        std::ofstream out(platform::resolve(relative), std::ios::binary);
        out.write(bytes.constData(), bytes.size());
    }
};

TEST_F(Pictures, ContentDecidesTheFormatNotTheExtension) {
    struct Case {
        const char* format;
        const char* file;
    };
    for (const Case c : {Case{"PNG", "\\Images\\png.gif"}, Case{"BMP", "\\Images\\bikecard.gif"},
                         Case{"BMP", "\\Images\\carddeckfull1.bmp"}, Case{"PNG", "/Images/forward.png"}}) {
        SCOPED_TRACE(c.file);
        put(c.file, encoded(card(), c.format));
        const platform::Picture p = platform::LoadPicture(c.file);
        ASSERT_TRUE(p);
        EXPECT_EQ(p.widthPx(), 71);
        EXPECT_EQ(p.heightPx(), 96);
        EXPECT_EQ(p.image().pixelColor(70, 95), QColor(250, 0, 0));
    }
}

TEST_F(Pictures, FullPathsInsideAndOutsideTheProgramFolderLoad) {
    put("\\Images\\a.gif", encoded(card(), "PNG"));
    EXPECT_TRUE(platform::LoadPicture((programDir() / "Images" / "a.gif").string()));
    EXPECT_TRUE(platform::LoadPicture(programDir().string() + "\\Images\\a.gif"));
}

TEST_F(Pictures, AFolderBesideTheProgramFolderIsNotMistakenForIt) {
    // Its name begins with the program folder's name, as "/opt/game2" begins with "/opt/game".
    const std::filesystem::path sibling = programDir().string() + "-saved";
    std::filesystem::create_directories(sibling);
    std::ofstream((sibling / "a.bmp").string(), std::ios::binary) << encoded(card(), "BMP").toStdString();
    const platform::Picture p = platform::LoadPicture((sibling / "a.bmp").string());
    std::filesystem::remove_all(sibling);
    ASSERT_TRUE(p);
    EXPECT_EQ(p.widthPx(), 71);
}

TEST_F(Pictures, MissingOrUndecodableFilesGiveTheEmptyPictureAndSaySo) {
    put("\\Images\\broken.gif", QByteArray("this is no picture"));
    for (const char* file : {"\\Images\\nothere.gif", "\\Images\\broken.gif"}) {
        SCOPED_TRACE(file);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(platform::LoadPicture(file));
        EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot load picture"), std::string::npos);
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::LoadPicture(""));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "an empty name clears quietly";
}

TEST_F(Pictures, AFileIsReadAgainOnlyOnceItHasChanged) {
    put("\\Images\\a.gif", QByteArray("this is no picture"));
    testing::internal::CaptureStderr();
    for (int card = 0; card < 13; ++card) EXPECT_FALSE(platform::LoadPicture("\\Images\\a.gif"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "said once, not for every card: " << said;

    ASSERT_TRUE(platform::SavePicture(platform::Picture(card()), "\\Images\\a.gif"));
    const platform::Picture first = platform::LoadPicture("\\Images\\a.gif");
    ASSERT_TRUE(first) << "a rewritten file is read again";
    EXPECT_EQ(first.image().pixelColor(70, 95), QColor(250, 0, 0));
    QImage blue(72, 96, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    put("\\Images\\a.gif", encoded(blue, "BMP"));
    EXPECT_EQ(platform::LoadPicture("\\Images\\a.gif").image().pixelColor(0, 0), QColor(Qt::blue))
        << "also when it is written over in place";
}

TEST_F(Pictures, PicturesAreEqualOnlyWhenTheyAreTheSamePicture) {
    put("\\Images\\a.gif", encoded(card(), "PNG"));
    Board& b = open<Board>();
    const platform::Picture first = platform::LoadPicture("\\Images\\a.gif");
    const platform::Picture second = platform::LoadPicture("\\Images\\a.gif");
    EXPECT_NE(first, second) << "every load makes a new picture, same pixels or not";
    b.Image1.Picture = first;
    b.Image2.Picture = b.Image1.Picture;
    EXPECT_EQ(b.Image2.Picture, b.Image1.Picture);
    EXPECT_EQ(b.Image2.Picture, first);
    EXPECT_NE(b.Image2.Picture, second);
    EXPECT_FALSE(platform::Picture());
    EXPECT_EQ(platform::Picture(), platform::Picture());
}

TEST_F(Pictures, AFileRewrittenLoadsAsItIsNow) {
    put("\\Images\\a.gif", encoded(card(), "PNG"));
    ASSERT_EQ(platform::LoadPicture("\\Images\\a.gif").image().pixelColor(70, 95), QColor(250, 0, 0));
    QImage other = card();
    other.setPixelColor(70, 95, QColor(0, 0, 250));
    put("\\Images\\a.gif", encoded(other, "PNG"));
    EXPECT_EQ(platform::LoadPicture("\\Images\\a.gif").image().pixelColor(70, 95), QColor(0, 0, 250));
    put("\\Images\\a.gif", QByteArray("not a picture"));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::LoadPicture("\\Images\\a.gif"));
    testing::internal::GetCapturedStderr();
}

TEST_F(Pictures, ImageTakesItsPictureSizeUnlessItStretches) {
    Board& b = open<Board>();
    const platform::Picture face(card());
    b.Image1.Move(0, 0, 500, 500);
    b.Image1.Picture = face;
    EXPECT_EQ(b.Image1.Width, 71 * 15);
    EXPECT_EQ(b.Image1.Height, 96 * 15);

    b.Image1.Stretch = true;
    b.Image1.Move(0, 0, 1290, 1740);
    b.Image1.Picture = platform::Picture(QImage(116, 86, QImage::Format_RGB32));
    EXPECT_EQ(b.Image1.Width, 1290) << "a stretching image keeps its size";
    EXPECT_EQ(b.Image1.Height, 1740);

    b.Image1.Stretch = false;
    EXPECT_EQ(b.Image1.Width, 116 * 15) << "no longer stretching, it takes the picture's size";
    b.Image1.Picture = platform::Picture();
    EXPECT_EQ(b.Image1.Width, 116 * 15) << "losing the picture keeps the rectangle";
}

TEST_F(Pictures, SavedPictureIsABitmapWrittenWhole) {
    const platform::Picture face(card());
    ASSERT_TRUE(platform::SavePicture(face, "\\Images\\bikecard.gif"));
    const std::string bytes = platform::readFile("\\Images\\bikecard.gif");
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_FALSE(std::filesystem::exists(platform::resolve("\\Images\\bikecard.gif.tmp")));
    const platform::Picture back = platform::LoadPicture("\\Images\\bikecard.gif");
    ASSERT_TRUE(back);
    EXPECT_EQ(back.image().pixelColor(70, 95), QColor(250, 0, 0));

    testing::internal::CaptureStderr();
    EXPECT_FALSE(platform::SavePicture(platform::Picture(), "\\Images\\none.bmp"));
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(std::filesystem::exists(platform::resolve("\\Images\\none.bmp")));
}

}  // namespace
// A greyed picture keeps its size and its transparency and shows only pale greys, each the paler
// the lighter the colour was.
TEST(GreyedPicture, KeepsSizeAndTransparencyInPaleGreys) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(200, 0, 0, 255));
    image.setPixel(1, 0, qRgba(255, 255, 255, 255));
    image.setPixel(2, 0, qRgba(0, 0, 0, 0));
    const platform::Picture grey = platform::greyed(platform::Picture(image));
    ASSERT_EQ(grey.widthPx(), 3);
    ASSERT_EQ(grey.heightPx(), 1);
    const QImage out = grey.image().convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < 2; ++x) {
        const QRgb p = out.pixel(x, 0);
        EXPECT_EQ(qRed(p), qGreen(p)) << x;
        EXPECT_EQ(qGreen(p), qBlue(p)) << x;
        EXPECT_GE(qRed(p), 128) << x;
        EXPECT_EQ(qAlpha(p), 255) << x;
    }
    EXPECT_LT(qRed(out.pixel(0, 0)), qRed(out.pixel(1, 0)));
    EXPECT_EQ(qAlpha(out.pixel(2, 0)), 0);
    EXPECT_FALSE(platform::greyed(platform::Picture{}));
}

}  // namespace gp
