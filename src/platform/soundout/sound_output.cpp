// The sound module: the only code that touches Qt Multimedia. Loaded by the platform layer on the
// first sound (see platform/sound_module.h).
#include "platform/sound_module.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <memory>

namespace {

using platform::detail::SoundModuleApi;

struct Channel {
    // Made on the first sound a device can play, so a machine without one opens nothing.
    std::unique_ptr<QSoundEffect> effect;
};

void* create() { return new Channel; }

void play(void* channel, const char* wavFile) {
    auto& c = *static_cast<Channel*>(channel);
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    if (!c.effect) c.effect = std::make_unique<QSoundEffect>();
    c.effect->setSource(QUrl::fromLocalFile(QString::fromUtf8(wavFile)));
    c.effect->play();
}

void stop(void* channel) {
    if (auto& effect = static_cast<Channel*>(channel)->effect) effect->stop();
}

void destroy(void* channel) { delete static_cast<Channel*>(channel); }

constexpr SoundModuleApi kApi{platform::detail::kSoundModuleVersion, create, play, stop, destroy};

}  // namespace

extern "C" __attribute__((visibility("default"))) const SoundModuleApi* gp_sound_module() { return &kApi; }
