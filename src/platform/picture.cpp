#include "platform/picture.h"

#include "platform/files.h"
#include "platform/registry.h"

#include <QBuffer>
#include <QPixmap>

#include <fstream>
#include <iostream>
#include <iterator>

namespace platform {

// Kept in the formats Qt paints straight from, so no drawing converts the picture again; for a
// picture in one of them already this is no copy at all.
Picture::Picture(const QImage& image) {
    if (image.isNull()) return;
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    image_ = std::make_shared<const QImage>(image.convertToFormat(format));
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
    // No format given: Qt recognises the picture by its content, whatever the extension says.
    QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
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
