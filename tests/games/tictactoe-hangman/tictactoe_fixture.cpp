#include "tictactoe_fixture.h"

#include "core/scaling.h"
#include "platform/files.h"

void TicTacToeTest::settings(std::string_view playas, std::string_view playto) {
    platform::writeSetting("\\tictacwhat.dat", playas);
    platform::writeSetting("\\tictacto.dat", playto);
}

tictactoe& TicTacToeTest::openTicTac() { return openGame<tictactoe>(); }

void TicTacToeTest::script(tictactoe& w, std::deque<int> given) {
    numbers = std::move(given);
    w.draw = [this](int n) {
        if (numbers.empty()) {
            ADD_FAILURE() << "an unscripted draw of 1 to " << n;
            return 1;
        }
        const int value = numbers.front();
        numbers.pop_front();
        EXPECT_LE(value, n);
        return value;
    };
}

std::string TicTacToeTest::board(const tictactoe& w) {
    static const char* files[] = {"\\Images\\greenblank.bmp", "\\Images\\greenx.bmp", "\\Images\\greeno.bmp"};
    std::string cells;
    for (int cell = 1; cell <= 9; ++cell) {
        const int mark = w.table.tag[cell];
        EXPECT_TRUE(mark == 0 || mark == 1 || mark == 2) << "cell " << cell << " holds " << mark;
        char shown = '?';
        for (int m = 0; m < 3; ++m)
            if (showsFile(w.Picture1[cell], files[m])) shown = ".XO"[m];
        EXPECT_EQ(shown, ".XO"[mark % 3]) << "cell " << cell << " does not show what the table holds";
        cells += shown;
    }
    return cells;
}

std::string TicTacToeTest::enabled(const tictactoe& w) {
    std::string flags;
    for (int cell = 1; cell <= 9; ++cell) flags += w.Picture1[cell].Enabled ? '1' : '0';
    return flags;
}

std::string TicTacToeTest::emptyCells(const tictactoe& w) {
    std::string flags;
    for (int cell = 1; cell <= 9; ++cell) flags += w.table.tag[cell] == 0 ? '1' : '0';
    return flags;
}

bool TicTacToeTest::arrowAtUser(const tictactoe& w) { return w.Image1.Top == core::scaled(1440, w.scale); }

void TicTacToeTest::play(tictactoe& w, const std::vector<int>& cells) {
    const std::size_t before = boxes.shown().size();
    for (int cell : cells) {
        ASSERT_TRUE(w.Picture1[cell].Enabled.get()) << "cell " << cell << " takes no click";
        click(w.Picture1[cell]);
        if (boxes.shown().size() != before) return;
        ASSERT_TRUE(w.Timer1.running());
        computerMove();
        if (boxes.shown().size() != before) return;
    }
}

std::vector<std::string> TicTacToeTest::prompts() const {
    std::vector<std::string> shown;
    for (const auto& box : boxes.shown()) shown.push_back(box.prompt);
    return shown;
}
