#include "common/sound.h"

#include "common/settings.h"

#include "platform/media_player.h"
#include "platform/menu.h"
#include "platform/text_boxes.h"

#include <string>

namespace common {
namespace {

void tick(platform::Menu& onsound, platform::Menu& off, bool on) {
    onsound.Checked = on;
    off.Checked = !on;
}

}  // namespace

void soundswitch(platform::RichTextBox& holder, platform::Menu& onsound, platform::Menu& off,
                 std::string_view switchname) {
    readsetting(holder, switchfile(switchname));
    tick(onsound, off, soundon(holder.Text.get()));
}

void setsound(platform::RichTextBox& holder, platform::Menu& onsound, platform::Menu& off,
              std::string_view switchname, bool on) {
    tick(onsound, off, on);
    if (writesetting(holder, on ? kSoundOn : kSoundOff, switchfile(switchname))) return;
    // The file kept its old value and the holder read it back: the ticks say what sounds will do.
    tick(onsound, off, soundon(holder.Text.get()));
}

void playsound(const platform::RichTextBox& holder, platform::MediaPlayer& player, std::string_view wave) {
    if (!soundon(holder.Text.get())) return;
    player.FileName = "\\Sounds\\" + std::string(wave);
}

}  // namespace common
