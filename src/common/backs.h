#pragma once

namespace platform {
class Image;
}

// `facesizedback`: a card back is always shown at the size of a face.
namespace common {

// The image takes the size of a face (the ace of spades loaded while it does not stretch) and
// from then on stretches every picture to that size.
void facesized(platform::Image& image);
// The same, then shows the upright back, or the sideways back with its width and height swapped.
void facesizedback(platform::Image& image, bool sideways = false);

}  // namespace common
