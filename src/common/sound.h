#pragma once

#include <string_view>

namespace platform {
class MediaPlayer;
class Menu;
class RichTextBox;
}  // namespace platform

// `soundswitch` and `playsound`: a game window's sound on/off setting, its Sound menu's two items
// and its hidden media player. The holder is the window's in-memory copy of the switch.
namespace common {

// At load: the holder takes the switch file's value; exactly "YES" ticks "On", anything else "Off".
void soundswitch(platform::RichTextBox& holder, platform::Menu& onsound, platform::Menu& off,
                 std::string_view switchname);
// `onsound_Click` (on) and `off_Click`: tick the item, untick the other, write "YES" or "NO" and
// read the file back into the holder.
void setsound(platform::RichTextBox& holder, platform::Menu& onsound, platform::Menu& off,
              std::string_view switchname, bool on);
// Plays "\Sounds\" + wave on the window's player when the holder reads exactly "YES".
void playsound(const platform::RichTextBox& holder, platform::MediaPlayer& player, std::string_view wave);

}  // namespace common
