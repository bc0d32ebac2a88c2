#include "program_test.h"

#include "games/tictactoe-hangman/hangman.h"

#include <stdexcept>
#include <string>

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

}  // namespace
