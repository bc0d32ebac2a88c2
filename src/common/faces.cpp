#include "common/faces.h"

#include "core/cards.h"

#include "art/card_face.h"
#include "platform/control.h"

#include <QImage>

namespace common {
namespace {

constexpr std::array<art::Suit, 4> kWindowOrderSuits{
    art::Suit::Spades, art::Suit::Hearts, art::Suit::Diamonds, art::Suit::Clubs};

}  // namespace

// The pixels are drawn once per run and shared (by the art); each set wraps them in pictures of its own.
FaceSet::FaceSet() {
    for (int code = 1; code <= core::kDeckSize; ++code)
        faces_[static_cast<std::size_t>(code - 1)] = platform::Picture(
            art::cardFace(kWindowOrderSuits[static_cast<std::size_t>(core::suitblock(code))], core::rankof(code)));
}

platform::Picture FaceSet::face(int code) const {
    if (code < 1 || code > core::kDeckSize) return {};
    return faces_[static_cast<std::size_t>(code - 1)];
}

int FaceSet::match(const platform::Picture& picture) const {
    if (!picture) return 0;
    for (std::size_t i = 0; i < faces_.size(); ++i)
        if (faces_[i] == picture) return static_cast<int>(i) + 1;
    return 0;
}

void cardface(platform::Control& image, int code, const FaceSet& faces) {
    if (code < 1 || code > core::kDeckSize) return;
    image.Picture = faces.face(code);
}

int picturematch(const platform::Control& image, const FaceSet& faces) {
    return faces.match(image.Picture.get());
}

}  // namespace common
