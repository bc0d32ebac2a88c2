#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Sound, the system browser and the screen, each with a seam for tests.
namespace platform {

// One sound channel per media player: playing replaces what the channel was playing.
// No sound device means silence, never an error.
class SoundChannel {
public:
    SoundChannel();
    ~SoundChannel();
    SoundChannel(const SoundChannel&) = delete;
    SoundChannel& operator=(const SoundChannel&) = delete;
    void play(const std::filesystem::path& wavFile);  // asynchronous
    void stop();
private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
// Test seam: while set, channels report the file they would play here instead of playing it.
void setSoundHook(std::function<void(const std::filesystem::path&)> hook);

// Opens an address in the system browser without waiting. A web address is used as given; a local
// path, or a program-relative name such as "\Data\hearts.html", becomes a file URL.
// False when no browser could be started for it.
bool openBrowser(std::string_view address);
std::string browserUrl(std::string_view address);  // the URL openBrowser hands to the system
// Test seam: while set, the hook takes the address instead of the system and says whether a
// browser started.
void setBrowserHook(std::function<bool(const std::string&)> hook);

inline constexpr int kTwipsPerPixel = 15;
struct ScreenSize { int widthPx; int heightPx; };
ScreenSize screenSize();                // the primary screen, unless a test set one
void setScreenSize(std::optional<ScreenSize> size);  // test seam
bool screenSizeSet();                   // whether a test set the screen
inline double screenWidthTwips() { return double(screenSize().widthPx) * kTwipsPerPixel; }
inline double screenHeightTwips() { return double(screenSize().heightPx) * kTwipsPerPixel; }

}  // namespace platform
