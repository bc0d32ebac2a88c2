#include "common/gamewindow.h"

#include "common/rules.h"
#include "common/settings.h"

namespace common {

SoundSwitch::SoundSwitch(std::string_view name) : file_(switchfile(name)) { read(); }

void SoundSwitch::read() { readsetting(value_, file_); }

bool SoundSwitch::on() const { return soundon(value_); }

bool SoundSwitch::set(bool on) { return writesetting(value_, on ? kSoundOn : kSoundOff, file_); }

GameWindow::GameWindow(std::string_view switchname, std::string_view rulespage)
    : soundswitch_(switchname), rulespage_(rulespage) {
    tick();
    exit.Click = [this] { exit_Click(); };
    onsound.Click = [this] { onsound_Click(); };
    off.Click = [this] { off_Click(); };
    rules.Click = [this] { rules_Click(); };
}

void GameWindow::playsound(std::string_view wave) {
    if (!soundon()) return;
    player.FileName = "\\Sounds\\" + std::string(wave);
}

void GameWindow::readsoundswitch() {
    soundswitch_.read();
    tick();
}

void GameWindow::exit_Click() { Unload(); }

void GameWindow::onsound_Click() {
    soundswitch_.set(true);
    tick();
}

void GameWindow::off_Click() {
    soundswitch_.set(false);
    tick();
}

void GameWindow::rules_Click() { showrules(rulespage_); }

void GameWindow::tick() {
    onsound.Checked = soundon();
    off.Checked = !soundon();
}

}  // namespace common
