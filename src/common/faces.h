#pragma once

#include "platform/picture.h"

#include <array>

namespace platform {
class Control;
}

// The 52 faces that Golf and Accordion keep inside their windows, in window order (spades, hearts,
// diamonds, clubs; ace to king). A card is put on an image by giving it one of these very pictures,
// and recovered from an image by the identity of its picture, never by its pixels.
namespace common {

class FaceSet {
public:
    // Every set holds 52 pictures of its own: a face of one set never matches another set.
    FaceSet();

    // The face of a code, 1 to 52; the empty picture otherwise.
    platform::Picture face(int code) const;
    // `picturematch`: the code whose face is this very picture, compared in code order; 0 when
    // none is (an empty picture, a picture loaded from a file).
    int match(const platform::Picture& picture) const;

private:
    std::array<platform::Picture, 52> faces_;
};

// `cardface`: the image shows the face of the code as the same shared picture. A code outside
// 1 to 52 changes nothing; nothing of the image but its picture changes.
void cardface(platform::Control& image, int code, const FaceSet& faces);
// `picturematch` on an image: the code of the face it shows, 0 when it shows none.
int picturematch(const platform::Control& image, const FaceSet& faces);

}  // namespace common
