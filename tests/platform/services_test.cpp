#include "platform/files.h"
#include "platform/services.h"
#include "support/fakes.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using namespace platform;
using Names = std::vector<std::string>;

TEST(Sound, RecorderListsTheFileNamesEachChannelPlays) {
    gp::RecordingSound sounds;
    SoundChannel table, player;
    table.play(resolve("\\Sounds\\flick.wav"));
    player.play("/elsewhere/shuffle.wav");
    table.play(resolve("\\Sounds\\flick.wav"));
    EXPECT_EQ(sounds.played(), (Names{"flick.wav", "shuffle.wav", "flick.wav"}));
    sounds.clear();
    EXPECT_TRUE(sounds.played().empty());
}

TEST(Sound, AnInnerRecorderTakesOverAndTheOuterOneResumes) {
    gp::RecordingSound outer;
    SoundChannel channel;
    {
        gp::RecordingSound inner;
        channel.play("/s/win.wav");
        EXPECT_EQ(inner.played(), Names{"win.wav"});
    }
    channel.play("/s/lose.wav");
    EXPECT_EQ(outer.played(), Names{"lose.wav"});
}

TEST(Sound, AMissingFileIsSilentWithoutAnyMessage) {
    { gp::RecordingSound gone; }
    SoundChannel channel;
    testing::internal::CaptureStderr();
    channel.play("/no/such/folder/none.wav");
    channel.stop();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(Browser, RecorderListsTheAddressesAsGiven) {
    gp::RecordingBrowser browser;
    openBrowser("https://www.example.com/");
    openBrowser("\\Data\\hearts.html");
    EXPECT_EQ(browser.opened(), (Names{"https://www.example.com/", "\\Data\\hearts.html"}));
    browser.clear();
    EXPECT_TRUE(browser.opened().empty());
}

TEST(Browser, WebAddressesStayAndLocalPathsBecomeFileUrls) {
    setProgramFolder("/opt/game pack");
    const std::pair<const char*, const char*> cases[] = {
        {"https://www.example.com/contact.html", "https://www.example.com/contact.html"},
        {"www.example.com", "http://www.example.com"},
        {"\\Data\\hearts.html", "file:///opt/game%20pack/Data/hearts.html"},
        {"/tmp/rules page.html", "file:///tmp/rules%20page.html"},
    };
    for (const auto& [address, url] : cases) EXPECT_EQ(browserUrl(address), url) << address;
    setProgramFolder({});
}

TEST(Screen, ATestSizeOverridesThePrimaryScreenUntilCleared) {
    const std::pair<ScreenSize, std::pair<double, double>> cases[] = {
        {{1024, 768}, {15360, 11520}}, {{800, 600}, {12000, 9000}}, {{640, 480}, {9600, 7200}}};
    for (const auto& [size, twips] : cases) {
        setScreenSize(size);
        EXPECT_EQ(screenSize().widthPx, size.widthPx);
        EXPECT_EQ(screenSize().heightPx, size.heightPx);
        EXPECT_EQ(screenWidthTwips(), twips.first);
        EXPECT_EQ(screenHeightTwips(), twips.second);
    }
    setScreenSize(std::nullopt);
    const QSize primary = QGuiApplication::primaryScreen()->size();
    EXPECT_EQ(screenSize().widthPx, primary.width());
    EXPECT_EQ(screenSize().heightPx, primary.height());
}
