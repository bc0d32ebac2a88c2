#include "common/settings.h"

#include "program_folder.h"

using namespace common;

using SettingFile = ProgramFolder;

TEST_F(SettingFile, WriteReadsBackIntoTheHolderAndLeavesOneLine) {
    std::string holder = "old";
    ASSERT_TRUE(writesetting(holder, "YES", "\\Data\\heartssound.dat"));
    ASSERT_TRUE(writesetting(holder, "YES", "\\Data\\heartssound.dat"));
    EXPECT_EQ(holder, "YES");
    EXPECT_EQ(raw("Data/heartssound.dat"), "YES\r\n");
    ASSERT_TRUE(writesetting(holder, holder, "\\jackrule.dat"));  // the holder as its own value
    EXPECT_EQ(raw("jackrule.dat"), "YES\r\n");
}

TEST_F(SettingFile, ReadGivesTheValueWithoutItsLineBreak) {
    const std::pair<std::string, std::string> cases[] = {
        {"200\r\n", "200"}, {"MED\r\n", "MED"}, {"NO", "NO"}, {"", ""},
    };
    for (const auto& [bytes, value] : cases) {
        put("Data/spadesto.dat", bytes);
        std::string holder = "stale";
        readsetting(holder, "\\Data\\spadesto.dat");
        EXPECT_EQ(holder, value) << bytes;
    }
    std::string holder = "stale";
    readsetting(holder, "\\Data\\missing.dat");
    EXPECT_EQ(holder, "");
}

TEST_F(SettingFile, WithoutReadBackTheHolderKeepsTheValueGiven) {
    put("Data/carddeck.dat", "1\r\n");
    std::string holder;
    ASSERT_TRUE(writesetting(holder, "4", "\\Data\\carddeck.dat", false));
    EXPECT_EQ(holder, "4");
    EXPECT_EQ(raw("Data/carddeck.dat"), "4\r\n");
}

TEST_F(SettingFile, FailedWriteReadsTheKeptFileBack) {
    put("Data/golfsound.dat", "YES\r\n");
    std::filesystem::create_directories(folder / "Data" / "golfsound.dat.tmp");
    std::string holder;
    EXPECT_FALSE(writesetting(holder, "NO", "\\Data\\golfsound.dat"));
    EXPECT_EQ(holder, "YES");  // the holder tells what the file really holds
}

TEST(SoundSwitch, OnlyExactYesIsOn) {
    const std::pair<const char*, bool> cases[] = {
        {"YES", true}, {"yes", false}, {"Yes", false}, {"NO", false},
        {"", false}, {"YES ", false}, {"YES\r\n", false},
    };
    for (const auto& [text, on] : cases) EXPECT_EQ(soundon(text), on) << text;
}

TEST(SoundSwitch, FileNameFromTheSwitchName) {
    EXPECT_EQ(switchfile("hearts"), "\\Data\\heartssound.dat");
    EXPECT_EQ(switchfile("hanoi"), "\\Data\\hanoisound.dat");
}
