#include "platform/font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace platform {
namespace {

QString family(const std::string& name) {
    if (name == "MS Sans Serif") return QApplication::font().family();
    const QString wanted = QString::fromStdString(name);
    if (QFontDatabase::hasFamily(wanted)) return wanted;
    return QStringLiteral("DejaVu Sans");
}

}  // namespace

FontSpec& FontSpec::operator=(const FontSpec& other) {
    Name.setQuietly(other.Name);
    Size.setQuietly(other.Size);
    Bold.setQuietly(other.Bold);
    Italic.setQuietly(other.Italic);
    Underline = other.Underline.get();
    return *this;
}

QFont FontSpec::toQFont() const {
    QFont font(family(Name));
    font.setPointSizeF(Size > 0 ? Size.get() : 8.25);
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    return font;
}

void FontSpec::propertyChanged(const void*) {
    if (owner_) owner_->propertyChanged(this);
}

}  // namespace platform
