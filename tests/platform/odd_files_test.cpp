#include "support/bad_files.h"
#include "support/window_test.h"

#include "platform/files.h"

#include <QTextBrowser>

#include <algorithm>

#include <functional>
#include <string>

// Every way the platform reads a file meets a folder, a named pipe or a huge file in its place the
// same way: it returns at once, reads it as missing or damaged, and says so in one line.
namespace gp {
namespace {

class Reader : public platform::Form {
public:
    platform::RichTextBox RichTextBox1{*this};
    platform::WebBrowser WebBrowser1{*this};
};

struct ReaderCase {
    const char* name;
    const char* file;
    // What the reader gives; empty when it read nothing.
    std::function<std::string(Reader&)> read;
};

std::string shownPage(Reader& r) {
    const auto* view = static_cast<QTextBrowser*>(r.WebBrowser1.widget());
    return view->toPlainText().toStdString();
}

const ReaderCase kReaders[] = {
    {"setting", "\\Data\\x.dat", [](Reader&) { return platform::readSetting("\\Data\\x.dat"); }},
    {"picture", "\\Images\\x.gif",
     [](Reader&) { return platform::LoadPicture("\\Images\\x.gif") ? std::string("a picture") : std::string(); }},
    {"rich text box", "\\Data\\x.dat",
     [](Reader& r) {
         r.RichTextBox1.LoadFile("\\Data\\x.dat");
         return r.RichTextBox1.Text.get();
     }},
    {"page", "\\Data\\x.html",
     [](Reader& r) {
         r.WebBrowser1.Navigate("\\Data\\x.html");
         const std::string shown = shownPage(r);
         return shown == "This page cannot be shown." ? std::string() : shown;
     }},
};

int lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class OddFiles : public WindowTest {};

TEST_F(OddFiles, ReadAsMissingOrDamagedWithOneLineAndNeverWait) {
    Reader& r = open<Reader>();
    for (const ReaderCase& reader : kReaders)
        for (Damage damage : {Damage::Folder, Damage::Pipe, Damage::Huge}) {
            SCOPED_TRACE(std::string(reader.name) + ", " + damageName(damage));
            damageFile(platform::resolve(reader.file), damage, "YES");
            testing::internal::CaptureStderr();
            EXPECT_EQ(reader.read(r), "");
            const std::string said = testing::internal::GetCapturedStderr();
            EXPECT_EQ(lines(said), 1) << said;
        }
}

TEST_F(OddFiles, EachKindHasItsOwnSizeLimit) {
    EXPECT_LT(platform::sizeLimit(platform::FileKind::Setting), platform::sizeLimit(platform::FileKind::Page));
    EXPECT_LT(platform::sizeLimit(platform::FileKind::Page), platform::sizeLimit(platform::FileKind::Picture));
    const auto path = platform::resolve("\\Data\\x.dat");
    damageFile(path, Damage::Empty, "");
    std::filesystem::resize_file(path, platform::sizeLimit(platform::FileKind::Setting));
    EXPECT_EQ(platform::readFile("\\Data\\x.dat").size(), platform::sizeLimit(platform::FileKind::Setting))
        << "a file at the limit is read whole";
    std::filesystem::resize_file(path, platform::sizeLimit(platform::FileKind::Setting) + 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(platform::readFile("\\Data\\x.dat"), "");
    EXPECT_NE(testing::internal::GetCapturedStderr().find("damaged"), std::string::npos);
}

}  // namespace
}  // namespace gp
