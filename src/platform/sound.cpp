#include "platform/services.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace platform {
namespace {

std::function<void(const std::filesystem::path&)>& soundHook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

}  // namespace

struct SoundChannel::Impl {
    // Made on the first sound, so windows that never play open no audio device.
    std::unique_ptr<QSoundEffect> effect;
};

SoundChannel::SoundChannel() : impl(std::make_unique<Impl>()) {}

SoundChannel::~SoundChannel() = default;

void SoundChannel::play(const std::filesystem::path& wavFile) {
    if (const auto hook = soundHook()) {
        hook(wavFile);
        return;
    }
    stop();
    // A missing file or no sound device is silence, not an error.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(wavFile, ec)) return;
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    if (!impl->effect) impl->effect = std::make_unique<QSoundEffect>();
    impl->effect->setSource(QUrl::fromLocalFile(QString::fromStdString(wavFile.string())));
    impl->effect->play();
}

void SoundChannel::stop() {
    if (impl->effect) impl->effect->stop();
}

void setSoundHook(std::function<void(const std::filesystem::path&)> hook) { soundHook() = std::move(hook); }

}  // namespace platform
