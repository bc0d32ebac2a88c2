#pragma once

#include <QImage>
#include <QSize>

// The four pads of Color Memorization, kept in its window: each the pad's colour on black, and a
// lit picture of the same shape in a lighter colour. Pads: 1 yellow (top left), 2 green (top
// right), 3 red (bottom left), 4 blue (bottom right).
namespace art {

inline constexpr QSize kColorPadSize{175, 175};

// 24-bit, opaque; a null image for a pad outside 1 to 4.
QImage colorPad(int pad, bool lit);

}  // namespace art
