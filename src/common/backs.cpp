#include "common/backs.h"

#include "core/cards.h"

#include "platform/light_controls.h"

namespace common {

void facesized(platform::Image& image) {
    image.Picture = platform::LoadPicture(core::facefile(1));
    image.Stretch = true;
}

void facesizedback(platform::Image& image, bool sideways) {
    // A card that already stretches keeps its size, and a sideways one is already turned.
    const bool sized = image.Stretch;
    facesized(image);
    if (sideways && !sized) {
        const double width = image.Width;
        image.Width = image.Height.get();
        image.Height = width;
    }
    image.Picture = platform::LoadPicture(sideways ? core::sidebackfile : core::backfile);
}

}  // namespace common
