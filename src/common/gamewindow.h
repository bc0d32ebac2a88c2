#pragma once

#include "platform/form.h"
#include "platform/media_player.h"
#include "platform/menu.h"

#include <string>
#include <string_view>

namespace common {

// A game's sound switch, "\Data\" + name + "sound.dat": sound is on only while the file holds
// exactly "YES". The value is what the file held when last read, so after a failed write it still
// says what sounds will do.
class SoundSwitch {
public:
    explicit SoundSwitch(std::string_view name);
    bool on() const;
    // Takes the file's value again.
    void read();
    // Writes "YES" or "NO" and reads the file back; false when the write failed.
    bool set(bool on);

private:
    std::string file_;
    std::string value_;
};

// The furniture every game window shares: a File menu ending in a line and Exit, the Sound menu
// and its switch, Help > Rules and the window's player. A game puts its own File items in front of
// `div` and its own menus in front of `sound` or `help`, with the inserting Menu constructors.
class GameWindow : public platform::Form {
public:
    platform::Menu file{*this, "File"};
    platform::Menu div{file, "-"};
    platform::Menu exit{file, "Exit"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
    platform::Menu help{*this, "Help"};
    platform::Menu rules{help, "Rules"};
    platform::MediaPlayer player{*this};

    bool soundon() const { return soundswitch_.on(); }

protected:
    // switchname names the sound file, rulespage the page Help > Rules shows.
    GameWindow(std::string_view switchname, std::string_view rulespage);

    // Plays "\Sounds\" + wave on the window's player while the switch is on.
    void playsound(std::string_view wave);

    // Reads the switch's file again and ticks its item: for a window that takes the switch at every
    // activation, so a change made meanwhile shows.
    void readsoundswitch();

    // Exit unloads the window; a game with more to close says so here.
    virtual void exit_Click();

private:
    void onsound_Click();
    void off_Click();
    void rules_Click();
    void tick();

    SoundSwitch soundswitch_;
    std::string rulespage_;
};

}  // namespace common
