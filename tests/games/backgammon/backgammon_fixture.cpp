#include "backgammon_fixture.h"

#include "games/backgammon/backgammon_user.h"

#include "platform/files.h"

#include <algorithm>

void BackgammonTest::SetUp() {
    gp::WindowTest::SetUp();
    platform::writeSetting("\\Data\\backgammonsound.dat", "YES");
    platform::writeSetting("\\Data\\firstroll.dat", "P");
}

backgammon& BackgammonTest::openBoard() {
    open<gp::mainstandin>();
    return open<backgammon>();
}

void BackgammonTest::setBoard(backgammon& b, const bgrules::BackgammonTable& board) {
    bgrules::BackgammonTable t = board;
    t.cubevalue = b.table.cubevalue;
    t.playerscore = b.table.playerscore;
    t.compscore = b.table.compscore;
    t.playerwins = b.table.playerwins;
    t.compwins = b.table.compwins;
    t.firstrolldone = b.table.firstrolldone;
    b.table = t;
    b.layout();
}

void BackgammonTest::move(backgammon& b, int checker, int target) {
    if (target == bgrules::kTray)
        drag(b.Image1[checker], b.Image3);
    else
        drag(b.Image1[checker], b.Image2[target]);
}

std::set<int> BackgammonTest::shownMarkers(const backgammon& b) {
    std::set<int> shown;
    for (const auto& [i, marker] : b.Shape3)
        if (marker->Visible) shown.insert(i);
    return shown;
}

int BackgammonTest::playedCount(std::string_view wave) const {
    return static_cast<int>(std::ranges::count(sounds.played(), std::string(wave)));
}

bool BackgammonTest::showsFile(const platform::Picture& picture, std::string_view file) {
    const platform::Picture expected = platform::LoadPicture(file);
    return expected && picture && picture.image() == expected.image();
}
