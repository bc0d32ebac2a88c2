#include "shell/catalog.h"

#include <algorithm>
#include <array>

#include "platform/form.h"

// One line per game window that the chooser opens.
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

constexpr std::array<GameEntry, 24> kGames{{
    {"J1", "card", "Spades", "spadespic", "How to play Spades", "spades", &show<spades>},
    {"J2", "card", "Hearts", "heartspic", "How to play Hearts", "hearts", &show<hearts>},
    {"J3", "card", "Crazy 8s", "crazy8spic", "How to play Crazy 8s", "crazy8s", &show<crazy8s>},
    {"J4", "card", "War", "warpic", "How to play War", "war", &show<wargame>},
    {"J5", "card", "Euchre", "euchrepic", "How to play Euchre", "euchre", &show<euchre>},
    {"J6", "card", "Gin Rummy", "ginpic", "How to play Gin Rummy", "gin", &show<gin>},
    {"J7", "card", "Card Memorization (Small)", "compmemorysmallpic", "How to play Card Memorization",
     "compmemory", &show<memorycompsmall>},
    {"J8", "card", "Card Memorization (Big)", "compmemorybigpic", "How to play Card Memorization",
     "compmemory", &show<memorycompbig>},
    {"K1", "solcard", "Card Memorization", "cardmemscorepic", "How to play Card Memorization (Single)",
     "scorememory", &show<memoryscorebig>},
    {"K2", "solcard", "Interlock Puzzle", "interlockpuzzlepic", "How to play Interlock Puzzle",
     "interlockpuzzle", &show<interlockpuzzle>},
    {"K3", "solcard", "Nestor", "nestorpic", "How to play Nestor", "nestor", &show<nestor>},
    {"K4", "solcard", "Calculation", "calculationpic", "How to play Calculation", "calculation", &show<calculation>},
    {"K5", "solcard", "Golf", "golfpic", "How to play Golf", "golf", &show<golf>},
    {"K6", "solcard", "Forty Thieves", "fortythievespic", "How to play Forty Thieves", "fortythieves",
     &show<fortythieves>},
    {"K7", "solcard", "Accordion", "accordionpic", "How to play Accordion", "accordian", &show<Accordian>},
    {"I1", "board", "Backgammon", "backgammonpic", "How to play Backgammon", "backgammon", &show<backgammon>},
    {"I2", "board", "Color Memorization", "colorpic", "How to play Color Memorization", "colormem",
     &show<colorgame>},
    {"I3", "board", "Fore and Aft", "foreaftpic", "How to play Fore and Aft", "foreaft", &show<foreaft>},
    {"I4", "board", "Tic-Tac-Toe", "tictactoepic", "How to play Tic-Tac-Toe", "tictactoe", &show<tictactoe>},
    {"I5", "board", "Towers of Hanoi (Small)", "towers1pic", "How to play Towers of Hanoi", "hanoi", &show<towers1>},
    {"I6", "board", "Towers of Hanoi (Medium)", "towers2pic", "How to play Towers of Hanoi", "hanoi", &show<towers2>},
    {"I7", "board", "Towers of Hanoi (Large)", "towers3pic", "How to play Towers of Hanoi", "hanoi", &show<towers3>},
    {"I8", "board", "Sea War", "seawarpic", "How to play Sea War", "seawar", &show<seawar>},
    {"I9", "board", "Hangman", "hangmanpic", "How to play Hangman", "hangman", &show<hangman>},
}};

template <class Table, class Field>
auto findBy(const Table& table, Field field, std::string_view value) -> decltype(&table[0]) {
    auto found = std::ranges::find(table, value, field);
    return found == table.end() ? nullptr : &*found;
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
