#include "platform/bmp.h"

#include <QImageReader>
#include <QtEndian>

#include <algorithm>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace platform::detail {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER; later versions only add fields
// The sizes Qt reads as this header, extra fields aside; it takes any other size for the 12-byte one.
constexpr std::uint32_t kQtInfoHeaderBytes[] = {kInfoHeaderBytes, 64, 108, 124};
constexpr std::uint32_t kUncompressed = 0;
// As far as Qt's reader goes, so the two never disagree on what is a picture.
constexpr std::int64_t kLargestSide = 32767;

std::uint32_t u16(std::string_view b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}
std::uint32_t u32(std::string_view b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }
std::int32_t i32(std::string_view b, std::size_t at) { return std::int32_t(u32(b, at)); }

}  // namespace

QImage decodePlainBmp(std::string_view bytes) {
    if (bytes.size() < kFileHeaderBytes + kInfoHeaderBytes || bytes.substr(0, 2) != "BM") return {};
    const std::uint32_t pixelsAt = u32(bytes, 10);
    const std::uint32_t headerBytes = u32(bytes, 14);
    const std::int64_t width = i32(bytes, 18), signedHeight = i32(bytes, 22);
    if (std::ranges::find(kQtInfoHeaderBytes, headerBytes) == std::end(kQtInfoHeaderBytes) || u16(bytes, 26) != 1 ||
        u16(bytes, 28) != 24 || u32(bytes, 30) != kUncompressed)
        return {};
    const std::int64_t height = std::llabs(signedHeight);
    if (width <= 0 || width > kLargestSide || height == 0 || height > kLargestSide) return {};
    // Nor more than Qt's reader would allocate (megabytes; 0 for no limit).
    if (const std::int64_t limit = QImageReader::allocationLimit(); limit > 0 && width * 4 * height > limit << 20) return {};
    const std::int64_t stride = (width * 3 + 3) / 4 * 4;
    if (pixelsAt < kFileHeaderBytes + headerBytes || std::int64_t(bytes.size()) - pixelsAt < stride * height) return {};

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) return {};
    const bool bottomUp = signedHeight > 0;
    for (std::int64_t row = 0; row < height; ++row) {
        const auto* from = reinterpret_cast<const std::uint8_t*>(bytes.data() + pixelsAt + row * stride);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(int(bottomUp ? height - 1 - row : row)));
        // Blue, green, red read as one little-endian word are the pixel as Qt holds it, once the fourth
        // byte (the next pixel's) is made opaque; the row's last pixel may have no fourth byte.
        for (std::int64_t x = 0; x + 1 < width; ++x, from += 3) {
            std::uint32_t word;
            std::memcpy(&word, from, sizeof word);
            to[x] = 0xff000000u | qFromLittleEndian(word);
        }
        to[width - 1] = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

}  // namespace platform::detail
