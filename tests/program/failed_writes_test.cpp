#include "program_test.h"

#include "support/bad_files.h"

#include "games/backgammon/backgammon.h"
#include "games/euchre/euchre.h"
#include "games/golf/golf.h"
#include "games/hearts/hearts.h"
#include "games/memory/colorgame.h"
#include "games/memory/memorycompsmall.h"
#include "games/spades/spades.h"
#include "games/tictactoe-hangman/hangman.h"
#include "games/tictactoe-hangman/tictacsettings.h"
#include "games/tictactoe-hangman/tictactoe.h"
#include "games/towers-foreaft/foreaft.h"
#include "platform/boxes.h"
#include "platform/files.h"
#include "shell/form3.h"
#include "shell/form4.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Every window that writes a file, with the write failing as a read-only folder, a folder in the
// way of the temporary file or a full disk would make it, or with no write of the program going
// through: the file keeps its old content, the failure is said once on standard error and in one
// box naming the file and the reason, and the window shows what the file holds.
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
    void typeIn(std::string text) { boxes.expectInput(std::move(text)); }
    void allowNotice(std::string title) { boxes.allow(std::move(title), platform::vbOK); }
    // Every box since the first given that said a write failed, by its prompt.
    std::vector<std::string> toldFailures(std::size_t first) const {
        std::vector<std::string> told;
        for (std::size_t k = first; k < boxes.shown().size(); ++k)
            if (boxes.shown()[k].title == platform::kWriteFailureTitle) told.push_back(boxes.shown()[k].prompt);
        return told;
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
    {"usersadded", "\\Data\\users.dat", "*1*alpha*2*\r\n\r\n",
     [](FailedWrites& t) {
         Form3& login = t.login();
         t.typeIn("beta");
         t.press(login.Command1);  // Add User
         t.shut(login);
     },
     [](FailedWrites& t) {
         Form3& login = t.login();
         return std::to_string(login.List1.ListCount()) + " " + login.List1.List(0);
     },
     "1 alpha"},
    // Kept without being read back: a failed write still shows what the file holds.
    {"euchreto", "\\Data\\euchreto.dat", "10\r\n", [](FailedWrites& t) { t.choose(t.game<euchre>().playtoeight); },
     [](FailedWrites& t) {
         const euchre& w = t.game<euchre>();
         return ticked({{&w.playtoeight, "8"}, {&w.playtoten, "10"}, {&w.playtotwelve, "12"}});
     },
     "10"},
    {"conskill", "\\conskill.dat", "MED\r\n", [](FailedWrites& t) { t.choose(t.game<memorycompsmall>().hard); },
     [](FailedWrites& t) {
         const memorycomp& w = t.game<memorycompsmall>();
         return ticked({{&w.easy, "easy"}, {&w.medium, "medium"}, {&w.hard, "hard"}});
     },
     "medium"},
    {"spadesto", "\\Data\\spadesto.dat", "250\r\n",
     [](FailedWrites& t) {
         t.allowNotice("Bidding");  // the partner's suggestion as the first hand is dealt
         t.choose(t.game<spades>().to400);
     },
     [](FailedWrites& t) {
         const spades& w = t.game<spades>();
         return ticked({{&w.to200, "200"}, {&w.to250, "250"}, {&w.to400, "400"}});
     },
     "250"},
    {"colorspeed", "\\colorspeed.dat", "SLOW\r\n", [](FailedWrites& t) { t.choose(t.game<colorgame>().fast); },
     [](FailedWrites& t) {
         const colorgame& w = t.game<colorgame>();
         return ticked({{&w.slow, "slow"}, {&w.medium, "medium"}, {&w.fast, "fast"}});
     },
     "slow"},
    {"backwards", "\\backwards.dat", "NO\r\n", [](FailedWrites& t) { t.choose(t.game<foreaft>().backwordsmoves); },
     [](FailedWrites& t) { return onOff(t.game<foreaft>().backwordsmoves.Checked); }, "off"},
    {"firstroll", "\\Data\\firstroll.dat", "C\r\n", [](FailedWrites& t) { t.choose(t.game<backgammon>().playerfirst); },
     [](FailedWrites& t) {
         const backgammon& w = t.game<backgammon>();
         return ticked({{&w.playerfirst, "player"}, {&w.compfirst, "computer"}, {&w.random, "random"}});
     },
     "computer"},
    {"tictacwhat", "\\tictacwhat.dat", "X\r\n",
     [](FailedWrites& t) {
         t.choose(t.game<tictactoe>().pref);
         tictacsettings& settings = *platform::loaded<tictacsettings>();
         t.press(settings.Option2);  // O's
         t.shut(settings);
     },
     [](FailedWrites& t) { return t.game<tictactoe>().table.playas; }, "X"},
    // A top-three table that cannot be saved shows what its files hold, not the result that was lost.
    {"hangmantable", "\\Data\\hangmanname1.dat", "alpha\r\n",
     [](FailedWrites& t) {
         hangman& game = t.game<hangman>();
         game.table.score = 9000;  // above the best of the table that ships
         game.isithigh();
     },
     [](FailedWrites& t) { return t.game<hangman>().highscores[0].name; }, "alpha"},
    {"colortable", "\\Data\\colorname1.dat", "alpha\r\n",
     [](FailedWrites& t) {
         colorgame& game = t.game<colorgame>();
         game.game.level = 1000;  // a score above the best of the table that ships
         game.isithigh();
     },
     [](FailedWrites& t) { return t.game<colorgame>().scores()[0].name; }, "alpha"},
};

struct Failure {
    const char* what;
    platform::WriteStep step;  // the step that fails, or Create with no error for the folder in the way
    int error;
    bool everywhere;           // every write of the program fails, not only the row's file
};

const Failure kFailures[] = {
    {"a read-only folder", platform::WriteStep::Create, EROFS, false},
    {"a folder in the way", platform::WriteStep::Create, 0, false},
    {"a full disk", platform::WriteStep::Write, ENOSPC, false},
    {"a read-only program folder", platform::WriteStep::Create, EROFS, true},
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
            return step == failure.step && (failure.everywhere || target == path) ? failure.error : 0;
        });
        boxes.allow(platform::kWriteFailureTitle, platform::vbOK);
        const std::size_t shownBefore = boxes.shown().size();
        testing::internal::CaptureStderr();
        row.write(*this);
        const std::string said = testing::internal::GetCapturedStderr();
        platform::setWriteFaults({});
        EXPECT_EQ(platform::readFile(row.file), row.old);
        const std::vector<std::string> told = toldFailures(shownBefore);
        ASSERT_EQ(told.size(), 1u) << "one box for the failed action";
        if (failure.everywhere) {
            EXPECT_NE(told[0].find("Read-only file system"), std::string::npos) << told[0];
        } else {
            EXPECT_EQ(gp::linesNaming(said, path.filename().string()), 1) << said;
            EXPECT_EQ(told[0], platform::writeFailureText(path, failure.error ? failure.error : EISDIR));
        }
        EXPECT_EQ(row.shown(*this), row.oldShown);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailedWrites, testing::ValuesIn(rowsOf(kWriters)),
                         [](const testing::TestParamInfo<const Writer*>& info) { return info.param->name; });

void PrintTo(const Writer* row, std::ostream* out) { *out << row->file; }

}  // namespace
