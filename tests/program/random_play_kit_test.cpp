#include "program_test.h"

#include "games/tictactoe-hangman/hangman.h"
#include "games/tictactoe-hangman/tictactoe.h"

#include "platform/files.h"

#include <stdexcept>
#include <string>
#include <utility>

// The random-play kit's own promises, on the windows whose rules lean on them.
namespace {

const gp::PlayedWindow& rulesNamed(const std::string& name) {
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.name == name) return w;
    throw std::runtime_error("no play rules named " + name);
}

class PlayKit : public ProgramTest {};

// A window that a step opens has nothing noted from before the step; it must not be held to what
// a window of its kind noted in an earlier run, whose program folder held other files. Here the
// earlier Hangman saw a top three that a fresh program folder does not hold.
TEST_F(PlayKit, AWindowAStepOpensIsHeldToHowItOpened) {
    hangman& earlier = game<hangman>();
    earlier.table.score = 90000;
    earlier.isithigh();
    const gp::PlayedWindow& rules = rulesNamed("hangman");
    ASSERT_TRUE(rules.before);
    rules.before(earlier);

    // The run starts with the main window alone; Hangman opens in one of its steps.
    bool opened = false;
    play(3, 40, typeid(hangman), [&] {
        if (!platform::loaded<Form1>()) {
            startProgram();
            return;
        }
        platform::window<hangman>().Show();
        opened = true;
    });
    EXPECT_TRUE(opened) << "no step opened Hangman";
}

// The rules hold on a table as it opens at every screen, where its positions are scaled.
TEST_F(PlayKit, TicTacToeRulesHoldAtEveryScreen) {
    const gp::PlayedWindow& rules = rulesNamed("tictactoe");
    for (const auto& [width, height] : {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        setScreen(width, height);
        // Both marks, so that the arrow points at each side.
        for (const char* mark : {"X", "O"}) {
            platform::writeSetting("\\tictacwhat.dat", mark);
            tictactoe& g = game<tictactoe>();
            EXPECT_EQ(rules.holds(g), "") << "playing " << mark;
            platform::unload<tictactoe>();
            settle();
        }
    }
}

}  // namespace
