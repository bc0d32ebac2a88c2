#include "platform/picture.h"

#include "platform/bmp.h"
#include "platform/file_reader.h"
#include "platform/files.h"
#include "platform/registry.h"

#include <QBuffer>
#include <QPixmap>

#include <deque>
#include <iostream>
#include <string>
#include <unordered_map>

namespace platform {
namespace {

// The formats Qt paints straight from, so no drawing converts a picture again; for an image in one
// of them already this is no copy at all.
QImage paintable(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

// A picture file as it was last read: windows that lay out many cards load the same few files over
// and over, and a file is read and decoded again only once it has changed. A file that cannot be
// loaded is remembered too, so it is reported once, not at every card.
struct Decoded {
    detail::FileReader::Status status;
    detail::FileIdentity identity;
    std::uint64_t writtenBefore;
    QImage image;
};

// The files most recently read, the oldest forgotten first.
struct DecodedFiles {
    std::unordered_map<std::string, Decoded> byPath;
    std::deque<std::string> order;
};

DecodedFiles& decodedFiles() {
    static DecodedFiles files;
    return files;
}

constexpr std::size_t kRememberedFiles = 256;

QImage decode(detail::FileReader& reader, const std::filesystem::path& path) {
    const auto bytes = reader.readAll();
    if (!bytes) {
        reader.report("load picture");
        return {};
    }
    QImage image = detail::decodePlainBmp(*bytes);
    // No format given: Qt recognises the picture by its content, whatever the extension says.
    if (image.isNull())
        image = QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<int>(bytes->size()));
    if (image.isNull()) std::cerr << "gamepack: cannot load picture " << path << '\n';
    // Kept in the form pictures hold, so loading a remembered file converts nothing.
    return paintable(image);
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
    detail::FileReader reader(path, FileKind::Picture);
    DecodedFiles& files = decodedFiles();
    const std::string key = path.string();
    const auto known = files.byPath.find(key);
    if (known != files.byPath.end() && known->second.status == reader.status() &&
        known->second.identity == reader.identity() && known->second.writtenBefore == detail::filesWritten())
        return Picture(known->second.image);
    const Decoded now{reader.status(), reader.identity(), detail::filesWritten(), decode(reader, path)};
    if (known == files.byPath.end()) {
        files.order.push_back(key);
        if (files.order.size() > kRememberedFiles) {
            files.byPath.erase(files.order.front());
            files.order.pop_front();
        }
    }
    files.byPath.insert_or_assign(key, now);
    return Picture(now.image);
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

Picture greyed(const Picture& picture) {
    if (!picture) return {};
    QImage image = picture.image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int pale = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(pale, pale, pale, qAlpha(line[x]));
        }
    }
    return Picture(image);
}

}  // namespace platform
