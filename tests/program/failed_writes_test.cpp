#include "program_test.h"

#include "support/bad_files.h"

#include "games/golf/golf.h"
#include "games/hearts/hearts.h"
#include "platform/files.h"
#include "shell/form3.h"
#include "shell/form4.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Every window that writes a file, with the write failing as a read-only folder, a folder in the
// way of the temporary file or a full disk would make it: the file keeps its old content, the
// failure is said once, and the window shows what the file holds.
namespace {

class FailedWrites;

struct Writer {
    std::string name;
    const char* file;
    const char* old;  // the file's content before, as the program writes it
    std::function<void(FailedWrites&)> write;        // the user's choice that writes the file
    std::function<std::string(FailedWrites&)> shown;  // what the window shows of the setting afterwards
    std::string oldShown;
};

class FailedWrites : public ProgramTest, public testing::WithParamInterface<const Writer*> {
public:
    Form3& login() {
        choose(mainWindow().change);
        return *platform::loaded<Form3>();
    }
    Form4& decks() {
        choose(mainWindow().changedeck);
        return *platform::loaded<Form4>();
    }
};

std::string onOff(bool on) { return on ? "on" : "off"; }

const Writer kWriters[] = {
    {"heartssound", "\\Data\\heartssound.dat", "YES\r\n", [](FailedWrites& t) { t.choose(t.game<hearts>().off); },
     [](FailedWrites& t) { return onOff(t.game<hearts>().onsound.Checked); }, "on"},
    {"golfsound", "\\Data\\golfsound.dat", "NO\r\n", [](FailedWrites& t) { t.choose(t.game<golf>().onsound); },
     [](FailedWrites& t) { return onOff(t.game<golf>().onsound.Checked); }, "off"},
    {"jackrule", "\\jackrule.dat", "YES\r\n", [](FailedWrites& t) { t.choose(t.game<hearts>().jackrule); },
     [](FailedWrites& t) { return onOff(t.game<hearts>().jackrule.Checked); }, "on"},
    {"carddeck", "\\Data\\carddeck.dat", "1\r\n",
     [](FailedWrites& t) {
         Form4& decks = t.decks();
         t.press(decks.Option4);
         t.shut(decks);
     },
     [](FailedWrites& t) { return t.decks().Option2.Value ? std::string("design 1") : std::string("another design"); },
     "design 1"},
    {"users", "\\Data\\users.dat", "*1*alpha*2*\r\n\r\n",
     [](FailedWrites& t) {
         Form3& login = t.login();
         login.List1.ListIndex = 0;
         t.press(login.Command2);  // Remove
         t.shut(login);
     },
     [](FailedWrites& t) { return t.login().List1.List(0); }, "alpha"},
};

struct Failure {
    const char* what;
    platform::WriteStep step;  // the step that fails, or Create with no error for the folder in the way
    int error;
};

const Failure kFailures[] = {
    {"a read-only folder", platform::WriteStep::Create, EROFS},
    {"a folder in the way", platform::WriteStep::Create, 0},
    {"a full disk", platform::WriteStep::Write, ENOSPC},
};

TEST_P(FailedWrites, KeepTheOldFileSaySoOnceAndShowWhatItHolds) {
    const Writer& row = *GetParam();
    for (const Failure& failure : kFailures) {
        SCOPED_TRACE(failure.what);
        TearDown();
        SetUp();
        const std::filesystem::path path = platform::resolve(row.file);
        ASSERT_TRUE(platform::writeFileAtomic(path, row.old));
        if (!failure.error) std::filesystem::create_directories(path.string() + ".tmp");
        platform::setWriteFaults([&](platform::WriteStep step, const std::filesystem::path& target) {
            return step == failure.step && target == path ? failure.error : 0;
        });
        testing::internal::CaptureStderr();
        row.write(*this);
        const std::string said = testing::internal::GetCapturedStderr();
        platform::setWriteFaults({});
        EXPECT_EQ(platform::readFile(row.file), row.old);
        EXPECT_EQ(gp::linesNaming(said, path.filename().string()), 1) << said;
        EXPECT_EQ(row.shown(*this), row.oldShown);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailedWrites, testing::ValuesIn(rowsOf(kWriters)),
                         [](const testing::TestParamInfo<const Writer*>& info) { return info.param->name; });

void PrintTo(const Writer* row, std::ostream* out) { *out << row->file; }

}  // namespace
