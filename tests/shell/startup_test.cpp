#include "shell_test.h"

#include "art/deck.h"
#include "core/chance.h"
#include "platform/boxes.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "shell/deck_files.h"
#include "shell/form1.h"
#include "shell/form6.h"

#include <QImage>

#include <cerrno>
#include <filesystem>
#include <functional>

namespace {

using Startup = ShellTest;

// Each of the five deck pictures shows design 1.
void expectDeckOfDesign1(std::string_view when) {
    const struct {
        std::string_view file;
        art::DeckPicture picture;
    } deck[] = {{"\\Images\\bikecard.gif", art::DeckPicture::Back},
                {"\\Images\\bikecardside.gif", art::DeckPicture::SideBack},
                {"\\Images\\carddeckfull1.bmp", art::DeckPicture::FullStock},
                {"\\Images\\carddeckhalf1.bmp", art::DeckPicture::HalfStock},
                {"\\Images\\carddeckthin1.bmp", art::DeckPicture::ThinStock}};
    for (const auto& [file, picture] : deck)
        EXPECT_EQ(platform::LoadPicture(file).image().convertToFormat(QImage::Format_RGB32),
                  art::deckPicture(1, picture).convertToFormat(QImage::Format_RGB32))
            << file << " shows design 1, " << when;
}

TEST_F(Startup, ShowsTheMainWindowMaximizedAndIsNeverSeen) {
    platform::window<Form6>();
    settle();

    EXPECT_EQ(platform::loaded<Form6>(), nullptr);
    Form1* main = platform::loaded<Form1>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->Visible);
    EXPECT_EQ(platform::activeForm(), main);
    EXPECT_EQ(main->WindowState, platform::vbMaximized);
    EXPECT_EQ(main->Label1.Caption, "Guest");
    EXPECT_FALSE(main->Label1.Visible);
    EXPECT_EQ(main->Label3.Caption, "");
}

TEST_F(Startup, ClearsWhatAnInterruptedRunLeftAndRollsBackAHalfSavedDeck) {
    // A kill while the deck chooser saved design 4 over design 1: two pictures and a temporary file.
    writeFile("\\Data\\carddeck.dat", "1\r\n");
    platform::SavePicture(platform::Picture(art::deckPicture(4, art::DeckPicture::Back)), "\\Images\\bikecard.gif");
    platform::SavePicture(platform::Picture(art::deckPicture(4, art::DeckPicture::SideBack)),
                          "\\Images\\bikecardside.gif");
    writeFile("\\Images\\carddeckfull1.bmp.tmp", "BM");

    platform::window<Form6>();
    settle();

    EXPECT_FALSE(fileExists("\\Images\\carddeckfull1.bmp.tmp"));
    expectDeckOfDesign1("as the number says");
}

// The check waits until the main window stands, but a click there that leads to the deck (the deck
// chooser, or a game through the game chooser) must find it checked.
TEST_F(Startup, ChecksTheDeckBeforeTheFirstClickThatLeadsToIt) {
    const struct {
        const char* what;
        platform::Menu Form1::*item;
    } clicks[] = {{"select game", &Form1::selectgame}, {"change deck", &Form1::changedeck}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeFile("\\Data\\carddeck.dat", "1\r\n");
        platform::SavePicture(platform::Picture(art::deckPicture(4, art::DeckPicture::Back)), "\\Images\\bikecard.gif");

        platform::window<Form6>();
        Form1* main = platform::loaded<Form1>();
        ASSERT_NE(main, nullptr);
        (main->*c.item).userChoose();

        expectDeckOfDesign1("when the click is handled");
        settle();
    }
}

TEST_F(Startup, RewritesADeckPictureLostOrReplacedBehindAnIntactBack) {
    const QImage wrongSize = art::deckPicture(1, art::DeckPicture::Back);
    const struct {
        const char* what;
        std::string_view file;
        art::DeckPicture picture;
        std::function<void()> damage;
    } cases[] = {
        {"lost", "\\Images\\carddeckthin1.bmp", art::DeckPicture::ThinStock,
         [this] { removeFile("\\Images\\carddeckthin1.bmp"); }},
        {"no picture", "\\Images\\bikecardside.gif", art::DeckPicture::SideBack,
         [this] { writeFile("\\Images\\bikecardside.gif", "GIF89a, but no more"); }},
        {"another picture", "\\Images\\carddeckfull1.bmp", art::DeckPicture::FullStock,
         [&] { platform::SavePicture(platform::Picture(wrongSize), "\\Images\\carddeckfull1.bmp"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeFile("\\Data\\carddeck.dat", "1\r\n");
        c.damage();

        testing::internal::CaptureStderr();
        platform::window<Form6>();
        settle();
        testing::internal::GetCapturedStderr();

        EXPECT_EQ(platform::LoadPicture(c.file).image().convertToFormat(QImage::Format_RGB32),
                  art::deckPicture(1, c.picture).convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(Startup, TakesUpADeckRollbackThatAFailedWriteStopped) {
    const auto startUp = [this] {
        platform::unloadAll();
        settle();
        platform::window<Form6>();
        settle();
    };
    // Design 4 was being saved over design 1 and got as far as the sideways back; the rollback's
    // write of that file then fails.
    const struct {
        const char* what;
        std::function<void()> stop;
    } cases[] = {
        {"the rollback after a save the disk stopped at the full stock", [] { shell::savedeck(4); }},
        {"the rollback at start-up after a killed save",
         [&] {
             platform::SavePicture(platform::Picture(art::deckPicture(4, art::DeckPicture::Back)), "\\Images\\bikecard.gif");
             platform::SavePicture(platform::Picture(art::deckPicture(4, art::DeckPicture::SideBack)),
                                   "\\Images\\bikecardside.gif");
             startUp();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        writeFile("\\Data\\carddeck.dat", "1\r\n");
        const std::filesystem::path side = platform::resolve("\\Images\\bikecardside.gif");
        const std::filesystem::path full = platform::resolve("\\Images\\carddeckfull1.bmp");
        int sideWrites = 0;
        boxes.allow(platform::kWriteFailureTitle, platform::vbOK);
        testing::internal::CaptureStderr();
        platform::setWriteFaults([&](platform::WriteStep step, const std::filesystem::path& target) {
            if (step != platform::WriteStep::Write) return 0;
            if (target == full) return ENOSPC;
            return target == side && ++sideWrites > 1 ? EIO : 0;
        });
        c.stop();
        platform::setWriteFaults({});
        startUp();
        testing::internal::GetCapturedStderr();

        expectDeckOfDesign1("at the next start-up");
    }
}

// The user did nothing at start-up: a rollback it cannot finish is said on standard error only, and
// taken up again at the next start.
TEST_F(Startup, TellsNoOneOfARollbackItCannotWrite) {
    writeFile("\\Data\\carddeck.dat", "1\r\n");
    platform::SavePicture(platform::Picture(art::deckPicture(4, art::DeckPicture::Back)), "\\Images\\bikecard.gif");
    boxes.allow(platform::kWriteFailureTitle, platform::vbOK);
    testing::internal::CaptureStderr();
    platform::setWriteFaults([](platform::WriteStep step, const std::filesystem::path&) {
        return step == platform::WriteStep::Write ? EROFS : 0;
    });
    platform::unloadAll();
    settle();
    platform::window<Form6>();
    settle();
    platform::setWriteFaults({});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot"), std::string::npos);
    for (const platform::BoxRequest& box : boxes.shown()) EXPECT_NE(box.title, platform::kWriteFailureTitle) << box.prompt;
}

TEST_F(Startup, SeedsTheRandomGenerator) {
    core::setFixedSeed(4242);
    core::Randomize();
    const double first = core::Rnd();
    core::Rnd();  // the sequence moves on; only a fresh seed brings it back

    platform::window<Form6>();
    EXPECT_EQ(core::Rnd(), first);
}

}  // namespace
