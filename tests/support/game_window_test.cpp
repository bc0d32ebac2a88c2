#include "support/game_window_test.h"

#include "common/settings.h"
#include "platform/files.h"

namespace gp {

void GameWindowTest::SetUp() {
    WindowTest::SetUp();
    platform::writeSetting(common::switchfile(game_), "YES");
}

bool GameWindowTest::showsFile(const platform::Control& c, std::string_view file) {
    const platform::Picture expected = platform::LoadPicture(file);
    return expected && c.Picture.get() && c.Picture->image() == expected.image();
}

}  // namespace gp
