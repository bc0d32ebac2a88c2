#pragma once

#include <filesystem>

// Sound output lives in a module of its own next to the program, loaded on the first sound: Qt
// Multimedia and the audio libraries under it would otherwise cost every start-up milliseconds and
// megabytes, and a sitting plays no sound before the user's first click.
namespace platform::detail {

// What the module hands out under kSoundModuleEntry. A module of another version is not used.
struct SoundModuleApi {
    int version;
    void* (*create)();                                  // a channel; no audio device is opened yet
    void (*play)(void* channel, const char* wavFile);   // UTF-8 path; no audio device is silence
    void (*stop)(void* channel);
    void (*destroy)(void* channel);
};
inline constexpr int kSoundModuleVersion = 1;
inline constexpr const char* kSoundModuleEntry = "gp_sound_module";

std::filesystem::path soundModuleFile();  // in the program's own folder
// Loaded once per file and kept for the life of the process (its Qt objects may outlive any
// caller). Null, with one line on stderr for that file, when it is missing, broken or stale.
const SoundModuleApi* loadSoundModule(const std::filesystem::path& file);

}  // namespace platform::detail
