#include "platform/bmp.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

using platform::detail::decodePlainBmp;

QImage speckled(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t seed = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, qRgb(int(seed >> 8) & 0xff, int(seed >> 16) & 0xff, int(seed >> 24) & 0xff));
        }
    return image;
}

std::string bmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

void put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (8 * i) & 0xff);
}
std::uint32_t get32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | std::uint8_t(b[at + i]);
    return v;
}

// The same picture with its rows stored from the top, as a negative height says.
std::string topDown(std::string b, const QImage& image) {
    const std::size_t at = get32(b, 10), stride = (image.width() * 3 + 3) / 4 * 4;
    const std::string rows = b.substr(at, stride * image.height());
    for (int row = 0; row < image.height(); ++row)
        b.replace(at + row * stride, stride, rows, (image.height() - 1 - row) * stride, stride);
    put32(b, 22, std::uint32_t(-image.height()));
    return b;
}

// The same picture behind a larger header that adds only fields (124 bytes: the latest version).
std::string laterHeader(std::string b, std::uint32_t size = 124) {
    b.insert(14 + 40, std::string(size - 40, '\0'));
    put32(b, 14, size);
    put32(b, 10, get32(b, 10) + size - 40);
    put32(b, 2, std::uint32_t(b.size()));
    return b;
}

QImage byQt(const std::string& b) {
    return QImage::fromData(reinterpret_cast<const uchar*>(b.data()), int(b.size()), "BMP")
        .convertToFormat(QImage::Format_RGB32);
}

TEST(PlainBmp, ReadsWhatQtReadsForEveryRowPaddingAndRowOrder) {
    // Widths 1 to 4 cover every padding of a 24-bit row.
    for (const auto& [width, height] : {std::pair{1, 1}, {2, 3}, {3, 2}, {4, 5}, {81, 13}}) {
        const QImage image = speckled(width, height);
        const std::string plain = bmp(image);
        for (const auto& [form, bytes] : {std::pair<const char*, std::string>{"bottom-up", plain},
                                          {"top-down", topDown(plain, image)},
                                          {"later header", laterHeader(plain)}}) {
            SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height) + ", " + form);
            const QImage read = decodePlainBmp(bytes);
            ASSERT_FALSE(read.isNull());
            EXPECT_EQ(read.format(), QImage::Format_RGB32);
            EXPECT_EQ(read, image);
            EXPECT_EQ(read, byQt(bytes));
        }
    }
}

TEST(PlainBmp, LeavesEveryOtherFormAndEveryShortFileToQt) {
    const std::string good = bmp(speckled(5, 4));
    const std::string png = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        speckled(5, 4).save(&buffer, "PNG");
        return bytes.toStdString();
    }();
    const std::pair<const char*, std::function<std::string()>> cases[] = {
        {"empty", [] { return std::string(); }},
        {"a PNG", [&] { return png; }},
        {"headers only", [&] { return good.substr(0, 54); }},
        {"the last pixel byte missing", [&] { return good.substr(0, 54 + 16 * 4 - 1); }},
        {"32 bits a pixel", [&] { std::string b = good; b[28] = 32; return b; }},
        {"run-length compressed", [&] { std::string b = good; put32(b, 30, 1); return b; }},
        {"two planes", [&] { std::string b = good; b[26] = 2; return b; }},
        {"pixels inside the header", [&] { std::string b = good; put32(b, 10, 40); return b; }},
        {"an older, smaller header", [&] { std::string b = good; put32(b, 14, 12); return b; }},
        {"no width", [&] { std::string b = good; put32(b, 18, 0); return b; }},
        {"a negative width", [&] { std::string b = good; put32(b, 18, std::uint32_t(-5)); return b; }},
        {"no height", [&] { std::string b = good; put32(b, 22, 0); return b; }},
        {"a side beyond any picture", [&] { std::string b = good; put32(b, 18, 40000); return b; }},
        {"more rows than bytes", [&] { std::string b = good; put32(b, 22, 0x7fffffff); return b; }},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(decodePlainBmp(bytes()).isNull());
    }
}

TEST(PlainBmp, ReadsAPictureBehindAnyHeaderSizeOnlyAsQtDoes) {
    // Qt reads the four Windows and OS/2 sizes alike and any other size as the 12-byte header.
    const std::string plain = bmp(speckled(5, 3));
    std::string differing;
    for (std::uint32_t size = 40; size <= 140; ++size) {
        const std::string bytes = laterHeader(plain, size);
        const QImage read = decodePlainBmp(bytes);
        if (read.isNull() || read == byQt(bytes)) continue;
        differing += ' ';
        differing += std::to_string(size);
    }
    EXPECT_EQ(differing, "") << "header sizes read otherwise than by Qt";
}

TEST(PlainBmp, LeavesAPictureBeyondQtsAllocationLimitToQt) {
    struct Limit {
        int before = QImageReader::allocationLimit();
        ~Limit() { QImageReader::setAllocationLimit(before); }
    } restore;
    QImageReader::setAllocationLimit(1);  // megabytes: 512 x 512 pixels of four bytes
    for (const auto& [width, height] : {std::pair{512, 512}, {513, 511}, {512, 513}, {32, 8193}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        const std::string bytes = bmp(speckled(width, height));
        const QImage qt = byQt(bytes), read = decodePlainBmp(bytes);
        EXPECT_TRUE(read.isNull() || read == qt) << "Qt gives " << (qt.isNull() ? "nothing" : "another picture");
    }
}

}  // namespace
