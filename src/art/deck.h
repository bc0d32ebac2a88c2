#pragma once

#include <QImage>
#include <QSize>

namespace art {

// The five card-back designs, numbered 1 to 5, each with five pictures.
inline constexpr int kDeckDesigns = 5;

enum class DeckPicture { Back, SideBack, FullStock, HalfStock, ThinStock };

inline constexpr DeckPicture kDeckPictures[] = {DeckPicture::Back, DeckPicture::SideBack, DeckPicture::FullStock,
                                                DeckPicture::HalfStock, DeckPicture::ThinStock};

// Backs are 86 x 116 (design 5: 88 x 120), sideways backs the same turned, stock piles 107 x 145.
QSize deckPictureSize(int design, DeckPicture picture);

// One picture of a design, opaque, its rounded corners on the table's green so that it looks the
// same saved as a bitmap. An unknown design gives a null image.
QImage deckPicture(int design, DeckPicture picture);

}  // namespace art
