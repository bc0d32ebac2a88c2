#include "common/mainwindow.h"

namespace common {
namespace {

MainWindowHooks& hooks() {
    static MainWindowHooks current;
    return current;
}

}  // namespace

void setmainwindow(MainWindowHooks newHooks) { hooks() = std::move(newHooks); }

platform::Form* mainwindow() { return hooks().loaded ? hooks().loaded() : nullptr; }

std::string playername() {
    if (!mainwindow() || !hooks().username) return std::string(kGuest);
    return hooks().username();
}

}  // namespace common
