#include "core/chance.h"
#include "platform/files.h"
#include "platform/services.h"

#include "support/window_test.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

// The cases of one test program run in one process, one after another: whatever a case leaves
// behind, the next one starts as if it were alone.
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The first picture file of the folder.
fs::path aPicture(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder / "Images"))
        if (entry.is_regular_file()) return entry.path().lexically_relative(folder);
    return {};
}

class WindowFixture : public gp::WindowTest {
protected:
    // Ends this case and starts the next one, as the test program does between two cases.
    void nextCase() {
        TearDown();
        SetUp();
    }
};

struct Leftover {
    const char* what;
    std::function<void(WindowFixture&, const fs::path& folder)> leave;
    std::function<void(const fs::path& folder)> expectFresh;
};

TEST_F(WindowFixture, TheNextCaseFindsNothingOfWhatACaseLeftBehind) {
    const Leftover leftovers[] = {
        {"writes made to fail",
         [](WindowFixture&, const fs::path&) {
             platform::setWriteFaults([](platform::WriteStep, const fs::path&) { return ENOSPC; });
         },
         [](const fs::path&) { EXPECT_TRUE(platform::writeSetting("\\Data\\fresh.dat", "YES")); }},
        {"a setting written",
         [](WindowFixture&, const fs::path&) { ASSERT_TRUE(platform::writeSetting("\\jackrule.dat", "maybe")); },
         [](const fs::path&) { EXPECT_NE(platform::readSetting("\\jackrule.dat"), "maybe"); }},
        {"a picture file written over in place",
         [](WindowFixture&, const fs::path& folder) {
             const fs::path picture = aPicture(folder);
             ASSERT_FALSE(picture.empty());
             std::ofstream(folder / picture, std::ios::binary | std::ios::trunc) << "not a picture";
         },
         [](const fs::path& folder) {
             const fs::path picture = aPicture(folder);
             ASSERT_FALSE(picture.empty());
             EXPECT_NE(bytesOf(folder / picture), "not a picture");
             EXPECT_GT(fs::file_size(folder / picture), 0u);
         }},
        {"another screen size", [](WindowFixture&, const fs::path&) { platform::setScreenSize(platform::ScreenSize{640, 480}); },
         [](const fs::path&) {
             EXPECT_EQ(platform::screenSize().widthPx, 1024);
             EXPECT_EQ(platform::screenSize().heightPx, 768);
         }},
        {"the random numbers drawn",
         [](WindowFixture&, const fs::path&) {
             for (int k = 0; k < 10; ++k) core::Rnd();
         },
         [](const fs::path&) {
             const double first = core::Rnd();
             core::setFixedSeed(20240611u);
             core::Randomize();
             EXPECT_EQ(first, core::Rnd());
         }},
    };
    for (const Leftover& leftover : leftovers) {
        SCOPED_TRACE(leftover.what);
        leftover.leave(*this, programDir());
        nextCase();
        leftover.expectFresh(programDir());
        nextCase();
    }
}

}  // namespace
