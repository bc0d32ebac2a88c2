#pragma once

#include "support/random_play.h"

#include "common/mainwindow.h"
#include "common/rules.h"
#include "platform/form.h"
#include "shell/form1.h"
#include "shell/form6.h"
#include "shell/hooks.h"

#include "platform/menu.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The rows of a table, for a test run once per row.
template <class Row, std::size_t N>
std::vector<const Row*> rowsOf(const Row (&table)[N]) {
    std::vector<const Row*> rows;
    for (const Row& row : table) rows.push_back(&row);
    return rows;
}

// The ticked items of a menu, by their words; "none" when nothing is ticked.
inline std::string ticked(std::initializer_list<std::pair<const platform::Menu*, const char*>> items) {
    std::string words;
    for (const auto& [item, word] : items) {
        if (!item->Checked) continue;
        if (!words.empty()) words += ',';
        words += word;
    }
    return words.empty() ? "none" : words;
}

// The whole program under the window-test fixture, its windows made known to the shared helpers as
// at start-up.
class ProgramTest : public gp::RandomPlayTest {
public:
    // What the rows of the file tables do, as the user does it.
    Form1& mainWindow() { return open<Form1>(); }
    // The main window, then the game window (as it is, when it is open already).
    template <class T>
    T& game() {
        if (T* shown = platform::loaded<T>()) return *shown;
        mainWindow();
        return open<T>();
    }
    void choose(platform::Menu& item) { chooseMenu(item); }
    void shut(platform::Form& form) { close(form); }
    void press(platform::Control& control) { click(control); }

protected:
    void SetUp() override {
        RandomPlayTest::SetUp();
        shell::connect();
    }
    void TearDown() override {
        RandomPlayTest::TearDown();
        common::setmainwindow({});
        common::setrulesviewer({});
    }

    // The program as it starts: the start-up window shows the main window and goes.
    void startProgram() {
        platform::window<Form6>();
        settle();
    }
};
