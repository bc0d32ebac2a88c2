#include "shell/catalog.h"

#include <algorithm>
#include <array>

#include "platform/form.h"

// The window of every game in the list.
#include "games/accordion/accordion.h"
#include "games/backgammon/backgammon.h"
#include "games/crazy8s-war/crazy8s.h"
#include "games/crazy8s-war/wargame.h"
#include "games/euchre/euchre.h"
#include "games/fortythieves/fortythieves.h"
#include "games/gin/gin.h"
#include "games/golf/golf.h"
#include "games/hearts/hearts.h"
#include "games/memory/colorgame.h"
#include "games/memory/memorycompbig.h"
#include "games/memory/memorycompsmall.h"
#include "games/memory/memoryscorebig.h"
#include "games/seawar/seawar.h"
#include "games/smallsolitaires/calculation.h"
#include "games/smallsolitaires/interlockpuzzle.h"
#include "games/smallsolitaires/nestor.h"
#include "games/spades/spades.h"
#include "games/tictactoe-hangman/hangman.h"
#include "games/tictactoe-hangman/tictactoe.h"
#include "games/towers-foreaft/foreaft.h"
#include "games/towers-foreaft/towers.h"

namespace shell {
namespace {

template <class Window>
void show() {
    platform::window<Window>().Show();
}

constexpr std::array<GroupEntry, 3> kGroups{{
    {"card", "Multi Player Card Games", 1},
    {"solcard", "Solitaire Card Games", 3},
    {"board", "Other Games", 2},
}};

constexpr GameEntry kGames[] = {
#define GP_GAME(key, group, text, picture, pictureWidth, pictureHeight, left, top, width, height, painter, window, \
                caption, page, ...)                                                                           \
    {key, group, text, #picture, caption, page, &show<window>},
#include "core/gamelist.def"
};

template <class Table, class Field>
auto findBy(const Table& table, Field field, std::string_view value) -> decltype(&table[0]) {
    auto found = std::ranges::find(table, value, field);
    return found == std::ranges::end(table) ? nullptr : &*found;
}

}  // namespace

std::span<const GroupEntry> groups() { return kGroups; }
std::span<const GameEntry> games() { return kGames; }

const GroupEntry* groupByText(std::string_view text) { return findBy(kGroups, &GroupEntry::text, text); }
const GameEntry* gameByText(std::string_view text) { return findBy(kGames, &GameEntry::text, text); }
const GameEntry* gameByCaption(std::string_view caption) {
    return findBy(kGames, &GameEntry::caption, caption);
}

}  // namespace shell
