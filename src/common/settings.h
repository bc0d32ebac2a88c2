#pragma once

#include "platform/files.h"

#include <string>
#include <string_view>

// One value per small file, kept in a string of the window's or its table's (its in-memory copy of
// the setting).
namespace common {

// The holder takes the file's value: its whole text less the final line break.
void readsetting(std::string& holder, std::string_view name);
// The holder takes the value, which is written with CR LF; with readBack the holder is then
// loaded from the file again. Returns false when the file could not be written; the holder then
// takes what the file still holds, read back or not, so the window never shows a lost choice.
bool writesetting(std::string& holder, std::string_view value, std::string_view name, bool readBack = true);

// The sound switch of a game window: "\Data\" + switch name + "sound.dat".
std::string switchfile(std::string_view switchname);
// Only exactly "YES" means sound on.
inline bool soundon(std::string_view holder) { return holder == "YES"; }
inline constexpr std::string_view kSoundOn = "YES";
inline constexpr std::string_view kSoundOff = "NO";

}  // namespace common
