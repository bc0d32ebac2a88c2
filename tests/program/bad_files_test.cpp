#include "program_test.h"

#include "support/bad_files.h"

#include "common/topthree.h"
#include "common/users.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/boxes.h"
#include "platform/files.h"
#include "games/golf/golf.h"
#include "games/hearts/hearts.h"
#include "games/memory/colorgame.h"
#include "games/memory/memorycompsmall.h"
#include "platform/files.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "shell/form5.h"

#include <QTextBrowser>

#include <algorithm>
#include <climits>
#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <string>
#include <vector>

// Every file the program reads, found damaged in every way a user may find it: the reader gives
// its documented fallback, returns at once, says so in at most one line, and changes no other file.
// A window that reads a file of its own adds a row to kFiles.
namespace {

class BadFiles;

struct ReadFile {
    std::string name;     // the row's name in the test's name
    const char* file;     // program-relative
    bool text;            // a setting or list file: line ends and values mean something
    const char* good;     // a good content, without its line break, that reads otherwise than the fallback
    std::function<std::string(BadFiles&)> read;  // opens what reads the file: what the user sees
    std::string goodShown;
    std::string fallback;
    // Damages whose result is neither: a list that survives stray bytes, a number that is one.
    std::map<gp::Damage, std::string> otherwise = {};
    // A file the reader rewrites to agree with what it read, and whether it does afterwards.
    const char* mends = nullptr;
    std::function<bool()> agrees = {};
};

class BadFiles : public ProgramTest, public testing::WithParamInterface<const ReadFile*> {};

using gp::Damage;

std::string onOff(bool on) { return on ? "on" : "off"; }

std::string marked(Form4& decks) {
    const std::pair<platform::OptionButton Form4::*, const char*> options[] = {
        {&Form4::Option2, "1"}, {&Form4::Option1, "2"}, {&Form4::Option3, "3"}, {&Form4::Option4, "4"}, {&Form4::Option5, "5"}};
    std::string designs;
    for (const auto& [option, design] : options)
        if ((decks.*option).Value) designs += design;
    return designs;
}

std::string listed(Form3& login) {
    std::string names;
    for (int i = 0; i < login.List1.ListCount(); ++i) {
        if (i) names += ',';
        names += login.List1.List(i);
    }
    return names;
}

std::string picture(const platform::Control& c) { return c.Picture.get() ? "a picture" : "no picture"; }

std::string page(BadFiles& t, platform::Menu Form1::*item) {
    t.choose(t.mainWindow().*item);
    const auto* view = static_cast<QTextBrowser*>(platform::loaded<Form5>()->WebBrowser1.widget());
    return view->toPlainText().toStdString() == "This page cannot be shown." ? "a notice" : "the page";
}

const std::string kUsers = "*1*alpha*2*\r\n*1*beta*2*";

const ReadFile kFiles[] = {
    {"heartssound", "\\Data\\heartssound.dat", true, "YES", [](BadFiles& t) { return onOff(t.game<hearts>().onsound.Checked); },
     "on", "off"},
    {"golfsound", "\\Data\\golfsound.dat", true, "YES", [](BadFiles& t) { return onOff(t.game<golf>().onsound.Checked); },
     "on", "off"},
    {"jackrule", "\\jackrule.dat", true, "YES", [](BadFiles& t) { return onOff(t.game<hearts>().jackrule.Checked); }, "on",
     "off"},
    // Any skill word but "MED" and "HARD" plays Easy; any speed word but the three ticks nothing.
    {"conskill", "\\conskill.dat", true, "HARD",
     [](BadFiles& t) {
         const memorycomp& w = t.game<memorycompsmall>();
         return ticked({{&w.easy, "easy"}, {&w.medium, "medium"}, {&w.hard, "hard"}});
     },
     "hard", "easy"},
    {"colorspeed", "\\colorspeed.dat", true, "FAST",
     [](BadFiles& t) {
         const colorgame& w = t.game<colorgame>();
         return ticked({{&w.slow, "slow"}, {&w.medium, "medium"}, {&w.fast, "fast"}});
     },
     "fast", "none"},
    {"carddeck", "\\Data\\carddeck.dat", true, "4",
     [](BadFiles& t) {
         t.choose(t.mainWindow().changedeck);
         return marked(*platform::loaded<Form4>());
     },
     "4", "1"},
    {"users", "\\Data\\users.dat", true, kUsers.c_str(),
     [](BadFiles& t) {
         t.choose(t.mainWindow().change);
         return listed(*platform::loaded<Form3>());
     },
     "alpha,beta", "", {{Damage::NonUtf8, "alpha,beta"}}, common::kUserCountFile.data(),
     [] { return common::storedusercount() == static_cast<int>(common::loadusers().size()); }},
    // A high-score slot reads as a number or as empty; no result can beat a number by being INT_MIN.
    {"colorscore", "\\Data\\colorscore1.dat", true, "30",
     [](BadFiles&) {
         const common::TopThree table = common::loadtopthree("color");
         return common::beats(INT_MIN, table[0].value, common::TopOrder::HigherBetter) ? "empty" : "a number";
     },
     "a number", "empty", {{Damage::Negative, "a number"}}},
    {"back", "\\Images\\bikecard.gif", false, nullptr,
     [](BadFiles& t) { return picture(t.game<hearts>().Image1[30]); }, "a picture", "no picture"},
    {"sideback", "\\Images\\bikecardside.gif", false, nullptr,
     [](BadFiles& t) { return picture(t.game<hearts>().Image1[5]); }, "a picture", "no picture"},
    {"face", "\\Images\\acespades.gif", false, nullptr, [](BadFiles& t) { return picture(t.game<hearts>().Image1[0]); },
     "a picture", "no picture"},
    {"stock", "\\Images\\carddeckhalf1.bmp", false, nullptr, [](BadFiles& t) { return picture(t.game<golf>().deck); },
     "a picture", "no picture"},
    {"rulespage", "\\Data\\hearts.html", false, nullptr, [](BadFiles& t) { return page(t, &Form1::hearts); }, "the page",
     "a notice",
     {{Damage::Empty, "the page"}, {Damage::Garbage, "the page"}, {Damage::LongLine, "the page"}, {Damage::LongWord, "the page"}}},
    {"stylesheet", "\\Data\\rules.css", false, nullptr, [](BadFiles& t) { return page(t, &Form1::golf); }, "the page",
     "the page"},
};

std::string expected(const ReadFile& row, Damage damage) {
    if (const auto found = row.otherwise.find(damage); found != row.otherwise.end()) return found->second;
    return gp::keepsGoodValue(damage) ? row.goodShown : row.fallback;
}

TEST_P(BadFiles, GiveTheirFallbackAndChangeNothingElse) {
    const ReadFile& row = *GetParam();
    if (row.good) {
        gp::damageFile(platform::resolve(row.file), Damage::NoNewline, row.good);
        EXPECT_EQ(row.read(*this), row.goodShown) << "the good file";
    }
    for (Damage damage : gp::everyDamage()) {
        if (!row.text && gp::textDamage(damage) && damage != Damage::LongLine) continue;
        SCOPED_TRACE(gp::damageName(damage));
        // A fresh program folder and no window open for each damage.
        TearDown();
        SetUp();
        // A window closed over a folder or a pipe where its file should be cannot save it there,
        // and says so.
        boxes.allow(platform::kWriteFailureTitle, platform::vbOK);
        const std::filesystem::path path = platform::resolve(row.file);
        gp::damageFile(path, damage, row.good ? row.good : "");
        std::vector<std::filesystem::path> changing{path};
        if (row.mends) changing.push_back(platform::resolve(row.mends));
        const gp::FolderState before = gp::folderState(programDir(), changing);
        testing::internal::CaptureStderr();
        const std::string shown = row.read(*this);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(shown, expected(row, damage));
        EXPECT_LE(gp::linesNaming(said, path.filename().string()), 1) << said;
        EXPECT_TRUE(gp::folderState(programDir(), changing) == before) << "another file changed";
        if (row.agrees) {
            EXPECT_TRUE(row.agrees()) << row.mends << " disagrees";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryReader, BadFiles, testing::ValuesIn(rowsOf(kFiles)),
                         [](const testing::TestParamInfo<const ReadFile*>& info) { return info.param->name; });

void PrintTo(const ReadFile* row, std::ostream* out) { *out << row->file; }

}  // namespace
