#include "common/users.h"

#include "program_folder.h"

#include "platform/files.h"

#include <cerrno>
#include <filesystem>

#include <string>
#include <vector>

using namespace common;

using Names = std::vector<std::string>;

TEST(UsersParse, OneNamePerMarkerPairInFileOrder) {
    struct Case { const char* what; std::string text; Names names; };
    const Case cases[] = {
        {"two entries", "*1*alpha*2*\r\n*1*beta*2*\r\n", {"alpha", "beta"}},
        {"empty text", "", {}},
        {"empty entry", "*1**2*\r\n", {""}},
        {"open without close", "*1*alpha\r\n", {}},
        {"close without open", "alpha*2*\r\n*1*beta*2*", {"beta"}},
        {"name beginning 2*", "*1*2*abc*2*\r\n", {"2*abc"}},
        {"marker inside a name", "*1*x*1*y*2*\r\n", {"x*1*y", "y"}},
        {"close inside a name", "*1*a*2*b*2*\r\n", {"a"}},
        {"blanks and punctuation", "*1*   *2*\r\n*1*o'Neil, J.*2*\r\n", {"   ", "o'Neil, J."}},
    };
    for (const auto& c : cases) EXPECT_EQ(parseusers(c.text), c.names) << c.what;
}

TEST(UsersParse, ManyNamesComeBackOnceEachInOrder) {
    Names names;
    for (int i = 0; i < 300; ++i) names.push_back("user" + std::to_string(i));
    EXPECT_EQ(parseusers(userstext(names)), names);
}

TEST(UsersName, AcceptanceRules) {
    const Names listed{"alpha", "BETA"};
    struct Case { std::string answer; bool accepted; };
    const Case cases[] = {
        {"gamma", true},
        {"beta", false},                    // listed in another case
        {"ALPHA", false},
        {"", false},                        // cancelled
        {" ", false},
        {"  ", false},
        {"   ", true},
        {std::string(20, 'n'), true},
        {std::string(21, 'n'), false},
        {"\xC3\xA9" + std::string(19, 'e'), true},   // twenty characters, twenty-one bytes
        {"x*1*y", false},                   // would come back as two names
        {"a*2*b", false},                   // would come back cut short
        {"1*x", false},                     // its entry holds a second opening marker
        {"x*2", false},                     // its entry closes early
        {"2*abc", true},
        {"*", true},
        {"a*", true},
    };
    for (const auto& c : cases) EXPECT_EQ(acceptablename(c.answer, listed), c.accepted) << '"' << c.answer << '"';
    EXPECT_TRUE(acceptablename("alpha", {}));
}

TEST(UsersName, UnicodeCaseIsIgnoredToo) {
    EXPECT_FALSE(acceptablename("\xC3\x89lan", {"\xC3\xA9lan"}));
}

using UsersFiles = ProgramFolder;

TEST_F(UsersFiles, SaveWritesEntriesWithAFinalEmptyLineAndTheCount) {
    saveusers({"alpha", "beta"});
    EXPECT_EQ(raw("Data/totalusers.dat"), "2\r\n");
    EXPECT_EQ(raw("Data/users.dat"), "*1*alpha*2*\r\n*1*beta*2*\r\n\r\n");
    EXPECT_EQ(loadusers(), (Names{"alpha", "beta"}));
    EXPECT_EQ(storedusercount(), 2);
}

TEST_F(UsersFiles, EmptyListIsSavedNotKept) {
    saveusers({"alpha"});
    saveusers({});
    EXPECT_EQ(raw("Data/totalusers.dat"), "0\r\n");
    EXPECT_EQ(raw("Data/users.dat"), "\r\n");
    EXPECT_EQ(loadusers(), Names{});
}

TEST_F(UsersFiles, MissingFilesAndBadCountReadAsNobody) {
    EXPECT_EQ(loadusers(), Names{});
    EXPECT_EQ(storedusercount(), 0);
    put("Data/totalusers.dat", "two\r\n");
    EXPECT_EQ(storedusercount(), 0);
}

TEST_F(UsersFiles, TheListCountsTheNamesNotTheCountFile) {
    put("Data/totalusers.dat", "5\r\n");
    put("Data/users.dat", "*1*alpha*2*\r\n*1*beta*2*\r\n\r\n");
    EXPECT_EQ(loadusers().size(), 2u);
}

// The list is written before the count, so a save that fails on the list leaves both files as they
// were, and a save stopped between the two leaves a count that the next load mends from the list.
TEST_F(UsersFiles, TheListIsWrittenFirstAndALoadMendsTheCount) {
    saveusers({"alpha", "beta", "gamma"});
    platform::setWriteFaults([](platform::WriteStep step, const std::filesystem::path& target) {
        return step == platform::WriteStep::Create && target.filename() == "users.dat" ? EROFS : 0;
    });
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveusers({"alpha", "beta"}));
    testing::internal::GetCapturedStderr();
    platform::setWriteFaults({});
    EXPECT_EQ(raw("Data/users.dat"), "*1*alpha*2*\r\n*1*beta*2*\r\n*1*gamma*2*\r\n\r\n");
    EXPECT_EQ(raw("Data/totalusers.dat"), "3\r\n");

    put("Data/users.dat", "*1*alpha*2*\r\n*1*beta*2*\r\n\r\n");
    const char* counts[] = {"3\r\n", "0\r\n", "two\r\n", "2\r\n"};
    for (const char* count : counts) {
        put("Data/totalusers.dat", count);
        EXPECT_EQ(loadusersmended(), (Names{"alpha", "beta"})) << count;
        EXPECT_EQ(raw("Data/totalusers.dat"), "2\r\n") << count;
    }
}
