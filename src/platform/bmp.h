#pragma once

#include <QImage>

#include <string_view>

namespace platform::detail {

// The program saves every picture it draws as an uncompressed 24-bit BMP, and the largest of them
// (the game boards) take Qt's general BMP reader tens of milliseconds. This reads that one plain form
// straight into 32-bit pixels. Anything else, or a file that does not hold all it declares, gives the
// null image, and the caller hands the bytes to Qt's reader, which decides (and reports) as before.
QImage decodePlainBmp(std::string_view bytes);

}  // namespace platform::detail
