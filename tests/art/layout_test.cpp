#include "layout.h"
#include "wav_check.h"

#include "art/deck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;

const char* const kRanks[] = {"ace", "two", "three", "four", "five", "six", "seven",
                              "eight", "nine", "ten", "jack", "queen", "king"};
const char* const kSuits[] = {"spades", "clubs", "diamonds", "hearts"};

QByteArray readAll(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const fs::path& path, const QByteArray& bytes) {
    fs::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Decodes as the program does: by the content, whatever the extension claims.
QImage decode(const fs::path& path) {
    QImageReader reader(QString::fromStdString(path.string()));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QByteArray asBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

class ProgramFolderLayout : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        writeAll(assets / "rules" / "hearts.html", "<html>Hearts</html>");
        writeAll(assets / "defaults" / "jackrule.dat", "NO\r\n");
        writeAll(assets / "defaults" / "Data" / "heartssound.dat", "YES\r\n");
        ASSERT_TRUE(layout::layOutProgramFolder(folder, assets));
    }

    fs::path image(const char* name) const { return folder / "Images" / name; }

    QTemporaryDir temp;
    fs::path root{temp.path().toStdString()};
    fs::path assets = root / "assets";
    fs::path folder = root / "bin";
};

TEST_F(ProgramFolderLayout, EveryFaceFileDecodesByContentTo71By96AndAllDiffer) {
    std::set<QByteArray> faces;
    for (const char* suit : kSuits)
        for (const char* rank : kRanks) {
            const fs::path path = folder / "Images" / (std::string(rank) + suit + ".gif");
            const QImage face = decode(path);
            ASSERT_EQ(face.size(), QSize(71, 96)) << path;
            const QImage rgba = face.convertToFormat(QImage::Format_ARGB32);
            faces.insert(QByteArray(reinterpret_cast<const char*>(rgba.constBits()), static_cast<int>(rgba.sizeInBytes())));
        }
    EXPECT_EQ(faces.size(), 52u);
}

TEST_F(ProgramFolderLayout, BackAndStockFilesHaveTheirSizes) {
    const struct {
        const char* name;
        QSize size;
    } files[] = {{"bikecard.gif", {86, 116}},       {"bikecardside.gif", {116, 86}},
                 {"carddeckfull1.bmp", {107, 145}}, {"carddeckhalf1.bmp", {107, 145}},
                 {"carddeckthin1.bmp", {107, 145}}};
    for (const auto& f : files) EXPECT_EQ(decode(image(f.name)).size(), f.size) << f.name;
    EXPECT_TRUE(readAll(image("carddeckfull1.bmp")).startsWith("BM"));
}

TEST_F(ProgramFolderLayout, EuchreTrumpAndArrowPicturesAreBitmaps) {
    for (const char* name : {"hearts.bmp", "clubs1.bmp", "spades.bmp", "diamonds.bmp"}) {
        EXPECT_TRUE(readAll(image(name)).startsWith("BM")) << name;
        EXPECT_EQ(decode(image(name)).size(), QSize(33, 25)) << name;
    }
    for (const char* name : {"arrowup.bmp", "arrowdown.bmp", "arrowleft.bmp", "arrowright.bmp"})
        EXPECT_EQ(decode(image(name)).size(), QSize(30, 28)) << name;
}

TEST_F(ProgramFolderLayout, TheEmptyFoundationIsABitmapOfAFacesSize) {
    EXPECT_TRUE(readAll(image("maroon.bmp")).startsWith("BM"));
    EXPECT_EQ(decode(image("maroon.bmp")).size(), QSize(71, 96));
}

TEST_F(ProgramFolderLayout, BackFileOverwrittenWithBitmapDataStillLoads) {
    const QImage design4 = art::deckPicture(4, art::DeckPicture::Back);
    writeAll(image("bikecard.gif"), asBmp(design4));
    EXPECT_EQ(decode(image("bikecard.gif")), design4.convertToFormat(decode(image("bikecard.gif")).format()));
}

TEST_F(ProgramFolderLayout, EverySoundFileIsAValidWave) {
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / "Sounds")) {
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(entry.path().extension(), ".wav");
        EXPECT_EQ(checkWav(readAll(entry.path())).problem, "");
        ++count;
    }
    EXPECT_GE(count, 7);
    EXPECT_TRUE(fs::exists(folder / "Sounds" / "flick.wav"));
    EXPECT_TRUE(fs::exists(folder / "Sounds" / "pageturn.wav"));
}

TEST_F(ProgramFolderLayout, CopiesRulesPagesAndDefaultsToTheirPlaces) {
    EXPECT_EQ(readAll(folder / "Data" / "hearts.html"), "<html>Hearts</html>");
    EXPECT_EQ(readAll(folder / "jackrule.dat"), "NO\r\n");
    EXPECT_EQ(readAll(folder / "Data" / "heartssound.dat"), "YES\r\n");
}

TEST_F(ProgramFolderLayout, SecondRunKeepsTheUsersChoicesAndRestoresWhatIsMissing) {
    const QByteArray chosenBack = asBmp(art::deckPicture(4, art::DeckPicture::Back));
    writeAll(folder / "Data" / "heartssound.dat", "NO\r\n");
    writeAll(folder / "Data" / "carddeck.dat", "4\r\n");
    writeAll(image("bikecard.gif"), chosenBack);
    fs::remove(folder / "jackrule.dat");
    fs::remove(image("carddeckthin1.bmp"));
    fs::remove(image("queenspades.gif"));
    writeAll(image("twoclubs.gif"), "not a picture");
    writeAll(folder / "Data" / "hearts.html", "edited");

    ASSERT_TRUE(layout::layOutProgramFolder(folder, assets));

    EXPECT_EQ(readAll(folder / "Data" / "heartssound.dat"), "NO\r\n");
    EXPECT_EQ(readAll(image("bikecard.gif")), chosenBack);
    EXPECT_EQ(readAll(folder / "jackrule.dat"), "NO\r\n");
    // A lost deck picture comes back in the design the user chose.
    const QImage thin = decode(image("carddeckthin1.bmp"));
    EXPECT_EQ(thin, art::deckPicture(4, art::DeckPicture::ThinStock).convertToFormat(thin.format()));
    EXPECT_EQ(decode(image("queenspades.gif")).size(), QSize(71, 96));
    EXPECT_EQ(decode(image("twoclubs.gif")).size(), QSize(71, 96));
    EXPECT_EQ(readAll(folder / "Data" / "hearts.html"), "<html>Hearts</html>");
}

TEST_F(ProgramFolderLayout, TheWordListLiesInTheProgramFolderAsShipped) {
    EXPECT_FALSE(fs::exists(folder / "easywords.dat")) << "no list shipped, none laid out";
    writeAll(assets / "easywords.dat", "101***kite***@@@Thing@@@!!!\r\n");
    writeAll(folder / "easywords.dat", "edited");
    ASSERT_TRUE(layout::layOutProgramFolder(folder, assets));
    EXPECT_EQ(readAll(folder / "easywords.dat"), "101***kite***@@@Thing@@@!!!\r\n");
}

TEST_F(ProgramFolderLayout, AnUnreadableDesignNumberRestoresTheFirstDesign) {
    writeAll(folder / "Data" / "carddeck.dat", "seven\r\n");
    fs::remove(image("bikecard.gif"));
    ASSERT_TRUE(layout::layOutProgramFolder(folder, assets));
    const QImage back = decode(image("bikecard.gif"));
    EXPECT_EQ(back, art::deckPicture(1, art::DeckPicture::Back).convertToFormat(back.format()));
}

TEST_F(ProgramFolderLayout, AFolderThatCannotBeWrittenIsReportedNotCrashedOn) {
    const fs::path blocked = root / "blocked";
    writeAll(blocked / "Images", "a file where the folder should be");
    EXPECT_FALSE(layout::layOutProgramFolder(blocked, assets));
    EXPECT_EQ(readAll(blocked / "Data" / "hearts.html"), "<html>Hearts</html>");
}

}  // namespace
