#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {
class Form;
}

// The main window as the shell makes it known: the games lock it and read the user's name from it,
// but common cannot name the shell's windows.
namespace common {

inline constexpr std::string_view kGuest = "Guest";

struct MainWindowHooks {
    std::function<platform::Form*()> loaded;   // the main window while it is loaded, else null
    std::function<std::string()> username;     // the caption of its user-name label
};
// Empty hooks: no main window (nothing to lock, the name is "Guest").
void setmainwindow(MainWindowHooks hooks);

// The main window if it is loaded. Never creates it: a window unloading after the main window
// closed must not bring back a hidden main window that keeps the program alive.
platform::Form* mainwindow();
// `playername`: the logged-in user's name, "Guest" while nobody has logged in.
std::string playername();

}  // namespace common
