#include "platform/media_player.h"

#include "platform/registry.h"

namespace platform {

MediaPlayer::MediaPlayer(Container&) {}

void MediaPlayer::propertyChanged(const void*) {
    if (FileName->empty()) {
        channel_.stop();
        return;
    }
    channel_.play(detail::filePath(FileName.get()));
}

}  // namespace platform
