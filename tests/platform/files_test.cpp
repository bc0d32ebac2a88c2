#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using namespace platform;

class SettingFiles : public ::testing::Test {
protected:
    // A folder under a name of its own for each test, since what is remembered of a file read is
    // kept by name.
    void SetUp() override {
        static int count = 0;
        folder = fs::temp_directory_path() / ("gp-files-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
        fs::remove_all(folder);
        fs::create_directories(folder);
        setProgramFolder(folder);
    }
    void TearDown() override {
        setProgramFolder({});
        fs::remove_all(folder);
    }
    void put(const fs::path& rel, const std::string& bytes) {
        fs::create_directories((folder / rel).parent_path());
        std::ofstream(folder / rel, std::ios::binary) << bytes;
    }
    std::string raw(const fs::path& rel) {
        std::ifstream in(folder / rel, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path folder;
};

TEST_F(SettingFiles, BackslashNamesMapIntoTheProgramFolder) {
    EXPECT_EQ(resolve("\\Data\\users.dat"), folder / "Data" / "users.dat");
    EXPECT_EQ(resolve("\\jackrule.dat"), folder / "jackrule.dat");
}

TEST_F(SettingFiles, ReadStripsExactlyOneFinalLineBreak) {
    const std::pair<std::string, std::string> cases[] = {
        {"YES\r\n", "YES"}, {"YES\n", "YES"}, {"YES", "YES"},
        {"YES\r\n\r\n", "YES\r\n"}, {"a\r\nb\r\n", "a\r\nb"}, {"\r\n", ""},
    };
    for (const auto& [bytes, value] : cases) {
        put("Data/x.dat", bytes);
        EXPECT_EQ(readSetting("\\Data\\x.dat"), value) << bytes;
    }
}

TEST_F(SettingFiles, MissingFileReadsEmpty) {
    EXPECT_EQ(readSetting("\\Data\\none.dat"), "");
    EXPECT_EQ(readFile("\\nowhere\\none.dat"), "");
}

TEST_F(SettingFiles, WriteAddsCrLfCreatesDataAndReplaces) {
    ASSERT_TRUE(writeSetting("\\Data\\heartssound.dat", "YES"));
    EXPECT_EQ(raw("Data/heartssound.dat"), "YES\r\n");
    ASSERT_TRUE(writeSetting("\\Data\\heartssound.dat", "NO"));
    EXPECT_EQ(raw("Data/heartssound.dat"), "NO\r\n");
    EXPECT_EQ(readSetting("\\Data\\heartssound.dat"), "NO");
    EXPECT_FALSE(fs::exists(folder / "Data" / "heartssound.dat.tmp"));
}

TEST_F(SettingFiles, FailedWriteKeepsTheOldFile) {
    put("Data/x.dat", "OLD\r\n");
    // A folder where the temporary file would go makes the write fail.
    fs::create_directories(folder / "Data" / "x.dat.tmp");
    EXPECT_FALSE(writeSetting("\\Data\\x.dat", "NEW"));
    EXPECT_EQ(readSetting("\\Data\\x.dat"), "OLD");
}

TEST_F(SettingFiles, WriteSyncsTheDataBeforeTheRenameAndTheFolderAfter) {
    std::vector<WriteStep> steps;
    setWriteFaults([&](WriteStep step, const fs::path&) {
        steps.push_back(step);
        return 0;
    });
    const bool written = writeSetting("\\Data\\x.dat", "YES");
    setWriteFaults({});
    EXPECT_TRUE(written);
    EXPECT_EQ(steps, (std::vector<WriteStep>{WriteStep::Create, WriteStep::Write, WriteStep::Sync, WriteStep::Rename,
                                             WriteStep::SyncFolder}));
}

TEST_F(SettingFiles, AFailedWriteKeepsTheOldContentAndSaysSoOnce) {
    struct Case {
        const char* what;
        WriteStep step;
        int error;
    };
    const Case cases[] = {
        {"a read-only folder", WriteStep::Create, EROFS},
        {"a full disk", WriteStep::Write, ENOSPC},
        {"a disk that fails while syncing", WriteStep::Sync, EIO},
        {"a kill before the rename", WriteStep::Rename, EINTR},
    };
    put("Data/x.dat", "OLD\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setWriteFaults([&](WriteStep step, const fs::path&) { return step == c.step ? c.error : 0; });
        testing::internal::CaptureStderr();
        const bool written = writeSetting("\\Data\\x.dat", "NEW");
        const std::string said = testing::internal::GetCapturedStderr();
        setWriteFaults({});
        EXPECT_FALSE(written);
        EXPECT_EQ(raw("Data/x.dat"), "OLD\r\n");
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_FALSE(fs::exists(folder / "Data" / "x.dat.tmp"));
    }
    // A folder where the file belongs: nothing is written over it.
    fs::create_directories(folder / "Data" / "y.dat" / "inside");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeSetting("\\Data\\y.dat", "NEW"));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(fs::exists(folder / "Data" / "y.dat" / "inside"));
    EXPECT_FALSE(fs::exists(folder / "Data" / "y.dat.tmp"));
}

TEST_F(SettingFiles, OpeningTheProgramFolderClearsTemporaryFilesLeftByAnInterruptedRun) {
    put("Data/users.dat", "*1*alpha*2*\r\n");
    put("Data/users.dat.tmp", "*1*al");
    put("Images/bikecard.gif.tmp", "BM");
    put("jackrule.dat.tmp", "Y");
    put("Data/notes.txt", "kept");
    openProgramFolder();
    EXPECT_FALSE(fs::exists(folder / "Data" / "users.dat.tmp"));
    EXPECT_FALSE(fs::exists(folder / "Images" / "bikecard.gif.tmp"));
    EXPECT_FALSE(fs::exists(folder / "jackrule.dat.tmp"));
    EXPECT_EQ(raw("Data/users.dat"), "*1*alpha*2*\r\n");
    EXPECT_EQ(raw("Data/notes.txt"), "kept");
}

// Only the temporary names of files the program writes go: settings beside the program and in Data,
// deck pictures in Images. A user's own files that end in ".tmp" stay wherever they lie.
TEST_F(SettingFiles, OpeningTheProgramFolderKeepsTheUsersOwnTemporaryFiles) {
    const char* kept[] = {"Saves/letter.tmp", "letter.tmp", "Data/letter.tmp", "Data/notes.txt.tmp",
                          "Images/photo.png.tmp", "Saves/Data/users.dat.tmp", "Sounds/flick.wav.tmp", "Data/.tmp"};
    for (const char* name : kept) put(name, "mine");
    openProgramFolder();
    for (const char* name : kept) EXPECT_EQ(raw(name), "mine") << name;
}
