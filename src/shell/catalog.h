#pragma once

#include <span>
#include <string_view>

// The chooser's catalog: its three groups and the games of core/gamelist.def, with the picture,
// the rules label and the window of each game. It is the only place where the shell opens a game.
namespace shell {

struct GroupEntry {
    std::string_view key;
    std::string_view text;
    int picture;  // the group's picture in the tree's image list
};

using Opener = void (*)();

struct GameEntry {
    std::string_view key;
    std::string_view group;    // key of the group it is listed under
    std::string_view text;     // the tree entry
    std::string_view picture;  // the chooser picture (its control's name)
    std::string_view caption;  // the rules label
    std::string_view page;     // the rules page the label opens
    Opener open;               // shows the game's window; null while the window is not built
};

// In tree order.
std::span<const GroupEntry> groups();
// In tree order within each group.
std::span<const GameEntry> games();

const GroupEntry* groupByText(std::string_view text);
const GameEntry* gameByText(std::string_view text);
// The first game whose label reads so; games sharing a caption share its page.
const GameEntry* gameByCaption(std::string_view caption);

}  // namespace shell
