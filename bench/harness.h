#pragma once

#include "support/program_folder.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Form;
}

// Running the program's windows inside a measuring program: a program folder of its own, a fixed
// seed, boxes answered at once and no sound, as in the window tests; the virtual clock where only
// the work itself is measured, the real one where the program must sit still on its own.
namespace bench {

enum class Clock { Virtual, Real };

class ProgramRun {
public:
    explicit ProgramRun(Clock clock);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

private:
    gp::ProgramFolder folder_;
};

// Delivers what is pending: Qt's events, then the work posted for after the current handler.
void settle();

// A window as the user opens it: the chooser from the main window's "Select Game", a game from its
// chooser entry. `open` is empty for a game whose window is not built.
struct Opener {
    std::string name;
    std::function<void()> open;
};
Opener chooser();
Opener game(std::string_view entry);
// The chooser, then every game of the benchmark list.
std::vector<Opener> everyWindow();

// Starts the program and shows its main window, as at start-up, once the work left for after its
// first sight is done; the chooser and the games lock it while they are open.
void showMainWindow();

// Calls the opener and delivers events until the window it opened has painted once. Null (and a
// line on standard error) when no new window showed.
platform::Form* openAndPaint(const Opener& opener);
// The window's close box, then the disposal that follows. False when the window stayed.
bool closeWindow(platform::Form& form);

}  // namespace bench
