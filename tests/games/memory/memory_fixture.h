#pragma once

#include "games/memory/memory_turns.h"

#include "platform/control.h"
#include "support/game_window_test.h"

#include "scripted.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Window tests of the memory games: the game-window fixture with the game's sound switch, and
// deals, draws and tables chosen by the test.
class MemoryTest : public gp::GameWindowTest {
protected:
    explicit MemoryTest(std::string switchname) : GameWindowTest(std::move(switchname)) {}

    gp::mainstandin& mainWindow() { return platform::window<gp::mainstandin>(); }

    // The deal in code order: positions 2k - 1 and 2k hold pair k.
    static std::vector<std::int16_t> inOrder(int cards);

    // Picks for the computer, taken in order; running out fails the test.
    memoryrules::Draw picks(std::initializer_list<int> values);
    bool picksSpent() const { return picks_.spent(); }

    static bool showsBack(const platform::Control& c);
    static bool showsFace(const platform::Control& c, int code) { return showsFile(c, memoryrules::pairface(code)); }

    // A setting file's bytes as they lie in the program folder ("\Data\x.dat").
    std::string fileBytes(std::string_view name) const;
    // The six files of a top-three table: names of ranks 1 to 3, then their values.
    void storeTable(std::string_view prefix, const std::vector<std::string>& six);
    std::vector<std::string> storedTable(std::string_view prefix);

private:
    Scripted picks_;
};
