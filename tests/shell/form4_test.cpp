#include "shell_test.h"

#include "art/deck.h"
#include "platform/boxes.h"
#include "shell/form1.h"
#include "shell/form4.h"

#include <QImage>

#include <cerrno>
#include <filesystem>
#include <vector>

namespace {

constexpr std::string_view kDesignFile = "\\Data\\carddeck.dat";
constexpr std::string_view kDeckFiles[] = {"\\Images\\bikecard.gif", "\\Images\\bikecardside.gif",
                                           "\\Images\\carddeckfull1.bmp", "\\Images\\carddeckhalf1.bmp",
                                           "\\Images\\carddeckthin1.bmp"};

class DeckChooser : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        main = &open<Form1>();
    }
    Form4& openDecks() {
        chooseMenu(main->changedeck);
        settle();
        return *platform::loaded<Form4>();
    }
    void closeDecks() {
        close(*platform::loaded<Form4>());
        settle();
    }
    static bool samePixels(const QImage& a, const QImage& b) {
        return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
    }
    // Whether every deck file now shows the design's pictures.
    static bool filesShowDesign(int design) {
        for (std::size_t i = 0; i < std::size(kDeckFiles); ++i) {
            const platform::Picture saved = platform::LoadPicture(kDeckFiles[i]);
            if (!samePixels(saved.image(), art::deckPicture(design, art::kDeckPictures[i]))) return false;
        }
        return true;
    }
    Form1* main = nullptr;
};

TEST_F(DeckChooser, MarksTheStoredDesign) {
    struct Case {
        std::string stored;
        platform::OptionButton Form4::*marked;
    };
    const Case cases[] = {
        {"1\r\n", &Form4::Option2}, {"2\r\n", &Form4::Option1}, {"3\r\n", &Form4::Option3},
        {"4\r\n", &Form4::Option4}, {"5\r\n", &Form4::Option5}, {"", &Form4::Option2},
        {"7\r\n", &Form4::Option2}, {" 4\r\n", &Form4::Option2},
    };
    for (const Case& c : cases) {
        writeFile(kDesignFile, c.stored);
        Form4& decks = openDecks();
        for (auto option : {&Form4::Option1, &Form4::Option2, &Form4::Option3, &Form4::Option4, &Form4::Option5})
            EXPECT_EQ(bool((decks.*option).Value), option == c.marked) << '"' << c.stored << '"';
        decks.Unload();
        settle();
    }
}

TEST_F(DeckChooser, ShowsDesignsFourTwoOneFiveLeftToRight) {
    Form4& decks = openDecks();
    const platform::Image* row[] = {&decks.Image16, &decks.Image1, &decks.Image6, &decks.Image21};
    for (std::size_t i = 1; i < std::size(row); ++i) EXPECT_LT(row[i - 1]->Left, row[i]->Left);
    for (const platform::Image* back : row) {
        EXPECT_TRUE(back->Visible);
        EXPECT_LT(back->Left + back->Width, decks.Width);
    }
    for (const platform::OptionButton* option : {&decks.Option4, &decks.Option1, &decks.Option2, &decks.Option5})
        EXPECT_LE(option->Top + option->Height, decks.ScaleHeight());
    EXPECT_FALSE(decks.Image11.Visible);
    EXPECT_FALSE(decks.Option3.Visible);
    EXPECT_GE(decks.Frame1.Top, decks.Height);
}

TEST_F(DeckChooser, ClosingSavesTheChosenDesignForTheCardGames) {
    writeFile(kDesignFile, "1\r\n");
    Form4& decks = openDecks();
    EXPECT_FALSE(main->Enabled);
    click(decks.Option4);
    closeDecks();

    EXPECT_TRUE(main->Enabled);
    EXPECT_EQ(fileText(kDesignFile), "4\r\n");
    EXPECT_TRUE(filesShowDesign(4));
    EXPECT_FALSE(filesShowDesign(1));
}

TEST_F(DeckChooser, ClosingUnchangedRewritesTheStoredDesign) {
    for (int design : {3, 5}) {
        writeFile(kDesignFile, std::to_string(design) + "\r\n");
        for (std::string_view file : kDeckFiles) removeFile(file);
        openDecks();
        closeDecks();
        EXPECT_EQ(fileText(kDesignFile), std::to_string(design) + "\r\n");
        EXPECT_TRUE(filesShowDesign(design)) << design;
    }
}

TEST_F(DeckChooser, AFailedSaveNeverLeavesTheDesignsMixed) {
    std::vector<std::string_view> failing(std::begin(kDeckFiles), std::end(kDeckFiles));
    failing.push_back(kDesignFile);
    for (std::string_view file : failing) {
        SCOPED_TRACE(file);
        writeFile(kDesignFile, "1\r\n");
        Form4& decks = openDecks();
        click(decks.Option4);
        const std::filesystem::path full = platform::resolve(file);
        // The disk is full when this file's turn comes.
        platform::setWriteFaults([&](platform::WriteStep step, const std::filesystem::path& target) {
            return step == platform::WriteStep::Write && target == full ? ENOSPC : 0;
        });
        testing::internal::CaptureStderr();
        boxes.expect(full.filename().string(), platform::vbOK);
        closeDecks();
        const std::string said = testing::internal::GetCapturedStderr();
        platform::setWriteFaults({});
        EXPECT_NE(said.find("cannot write"), std::string::npos) << said;
        EXPECT_EQ(fileText(kDesignFile), "1\r\n");
        EXPECT_TRUE(filesShowDesign(1)) << "the pictures already saved went back to design 1";
    }
}

TEST_F(DeckChooser, NothingMarkedWritesNothing) {
    writeFile(kDesignFile, "2\r\n");
    for (std::string_view file : kDeckFiles) removeFile(file);
    Form4& decks = openDecks();
    decks.Option1.Value = false;
    closeDecks();
    EXPECT_EQ(fileText(kDesignFile), "2\r\n");
    for (std::string_view file : kDeckFiles) EXPECT_FALSE(fileExists(file)) << file;
    EXPECT_TRUE(main->Enabled);
}

}  // namespace
