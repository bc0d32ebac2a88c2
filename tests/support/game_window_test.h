#pragma once

#include "common/support/standins.h"
#include "support/card_names.h"
#include "support/window_test.h"

#include <string>
#include <string_view>

// The fixture of a game window's tests: the window fixture, the common stand-ins (a main window
// for the game to lock, the rules pages recorded) and the game's sound switched on before its
// window loads, whatever the shipped default says.
namespace gp {

class GameWindowTest : public WindowTest {
protected:
    // The game's switch name, as common::switchfile takes it: "golf" for "\Data\golfsound.dat".
    explicit GameWindowTest(std::string game) : game_(std::move(game)) {}
    void SetUp() override;

    // The main window stand-in, then the game window: each loaded, shown and settled.
    template <class T>
    T& openGame() {
        open<mainstandin>();
        return open<T>();
    }

    // Whether a control shows the same pixels as a picture file of the program folder.
    static bool showsFile(const platform::Control& c, std::string_view file);

    CommonStandIns standins;

private:
    std::string game_;
};

}  // namespace gp
