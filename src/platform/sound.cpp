#include "platform/services.h"
#include "platform/sound_module.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <iostream>
#include <map>

namespace platform {
namespace detail {

std::filesystem::path soundModuleFile() {
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / GP_SOUND_MODULE;
}

const SoundModuleApi* loadSoundModule(const std::filesystem::path& file) {
    static std::map<std::filesystem::path, const SoundModuleApi*> loaded;
    if (const auto it = loaded.find(file); it != loaded.end()) return it->second;
    const SoundModuleApi* api = nullptr;
    std::string why;
    // Never closed: Qt keeps types and objects of the module until the process ends.
    if (void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        using Entry = const SoundModuleApi* (*)();
        if (const auto entry = reinterpret_cast<Entry>(dlsym(handle, kSoundModuleEntry))) {
            api = entry();
            if (api && api->version != kSoundModuleVersion) {
                api = nullptr;
                why = "it is of another version";
            }
        } else {
            why = "it has no entry point";
        }
    } else {
        const char* error = dlerror();
        why = error ? error : "it cannot be loaded";
    }
    if (!api) std::cerr << "No sound: the sound module " << file.string() << " is not usable (" << why << ")\n";
    loaded.emplace(file, api);
    return api;
}

}  // namespace detail

namespace {

std::function<void(const std::filesystem::path&)>& soundHook() {
    static std::function<void(const std::filesystem::path&)> hook;
    return hook;
}

}  // namespace

struct SoundChannel::Impl {
    const detail::SoundModuleApi* api = nullptr;
    void* channel = nullptr;  // made on the first sound, so windows that never play load nothing
};

SoundChannel::SoundChannel() : impl(std::make_unique<Impl>()) {}

SoundChannel::~SoundChannel() {
    if (impl->channel) impl->api->destroy(impl->channel);
}

void SoundChannel::play(const std::filesystem::path& wavFile) {
    if (const auto hook = soundHook()) {
        hook(wavFile);
        return;
    }
    stop();
    // A missing file, module or sound device is silence, not an error.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(wavFile, ec)) return;
    if (!impl->channel) {
        impl->api = detail::loadSoundModule(detail::soundModuleFile());
        if (!impl->api) return;
        impl->channel = impl->api->create();
    }
    impl->api->play(impl->channel, wavFile.string().c_str());
}

void SoundChannel::stop() {
    if (impl->channel) impl->api->stop(impl->channel);
}

void setSoundHook(std::function<void(const std::filesystem::path&)> hook) { soundHook() = std::move(hook); }

}  // namespace platform
