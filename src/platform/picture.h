#pragma once

#include <QImage>

#include <memory>
#include <ostream>
#include <string_view>

class QPixmap;

// A picture is a shared, immutable handle. Copies share one picture; two pictures are equal only
// when they are the same picture, never because their pixels agree. An empty picture is falsy.
namespace platform {

class Picture {
public:
    Picture() = default;
    Picture(const QImage& image);
    Picture(const QPixmap& pixmap);

    explicit operator bool() const { return image_ != nullptr; }
    friend bool operator==(const Picture& a, const Picture& b) { return a.image_ == b.image_; }
    friend std::ostream& operator<<(std::ostream& out, const Picture& p);

    // The pixels (a null image for the empty picture), in 32-bit form: premultiplied where the
    // picture has an alpha channel.
    const QImage& image() const;
    int widthPx() const { return image_ ? image_->width() : 0; }
    int heightPx() const { return image_ ? image_->height() : 0; }

private:
    std::shared_ptr<const QImage> image_;
};

// Loads a picture file, recognised by its content whatever its extension. Names such as
// "\Images\bikecard.gif" lie in the program folder. Every call makes a new picture. A missing or
// undecodable file gives the empty picture and a line on standard error; an empty name gives the
// empty picture quietly.
Picture LoadPicture(std::string_view file = {});

// A new picture of the same size in pale greys: the look of a button that does nothing now.
Picture greyed(const Picture& picture);

// Saves a picture as a BMP file, through a temporary file and a rename. False (and a line on
// standard error) when the picture is empty or the file cannot be written.
bool SavePicture(const Picture& picture, std::string_view file);

}  // namespace platform
