#include "platform/picture.h"

#include "platform/files.h"
#include "platform/registry.h"

#include <QBuffer>
#include <QPixmap>

#include <fstream>
#include <iostream>
#include <iterator>
#include <unordered_map>

namespace platform {
namespace {

// The formats Qt paints straight from, so no drawing converts a picture again; for an image in one
// of them already this is no copy at all.
QImage paintable(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

// Decoding is what loading a picture costs, and windows load the same card files again and again:
// the pixels of file contents decoded before are taken again (an image shares its pixels when
// copied). Keyed by the bytes themselves, so a file rewritten with other contents decodes anew.
QImage decode(const std::string& bytes) {
    static std::unordered_map<std::string, QImage> decoded;
    if (auto found = decoded.find(bytes); found != decoded.end()) return found->second;
    // No format given: Qt recognises the picture by its content, whatever the extension says.
    QImage image = paintable(QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size())));
    if (image.isNull()) return image;
    constexpr std::size_t kKept = 256;  // far more than the program's picture files
    if (decoded.size() >= kKept) decoded.clear();
    decoded.emplace(bytes, image);
    return image;
}

}  // namespace

Picture::Picture(const QImage& image) {
    if (!image.isNull()) image_ = std::make_shared<const QImage>(paintable(image));
}

Picture::Picture(const QPixmap& pixmap) : Picture(pixmap.toImage()) {}

const QImage& Picture::image() const {
    static const QImage none;
    return image_ ? *image_ : none;
}

std::ostream& operator<<(std::ostream& out, const Picture& p) {
    if (!p) return out << "(no picture)";
    return out << "picture " << p.image_.get() << " (" << p.widthPx() << " x " << p.heightPx() << ')';
}

Picture LoadPicture(std::string_view file) {
    if (file.empty()) return {};
    const std::filesystem::path path = detail::filePath(file);
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const QImage image = decode(bytes);
    if (image.isNull()) {
        std::cerr << "gamepack: cannot load picture " << path << '\n';
        return {};
    }
    return Picture(image);
}

bool SavePicture(const Picture& picture, std::string_view file) {
    const std::filesystem::path path = detail::filePath(file);
    if (!picture) {
        std::cerr << "gamepack: no picture to save as " << path << '\n';
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.image().save(&buffer, "BMP")) {
        std::cerr << "gamepack: cannot encode picture for " << path << '\n';
        return false;
    }
    return writeFileAtomic(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace platform
