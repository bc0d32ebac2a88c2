#pragma once

#include "platform/property.h"
#include "platform/services.h"

#include <string>

// A window's hidden media player: setting FileName plays that WAV file at once, replacing what the
// player was playing. No sound device means silence.
namespace platform {

class Container;

class MediaPlayer : public PropertyOwner {
public:
    explicit MediaPlayer(Container& parent);
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // A program-relative name ("\Sounds\flick.wav") or a full path.
    Property<std::string> FileName{this};
    void Stop() { channel_.stop(); }

protected:
    void propertyChanged(const void* property) override;

private:
    SoundChannel channel_;
};

}  // namespace platform
