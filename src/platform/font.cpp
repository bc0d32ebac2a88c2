#include "platform/font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include <unordered_map>

namespace platform {
namespace {

// Asking the font database costs more than painting a label, and the program adds no fonts while it
// runs, so each name is looked up once.
QString installedOrFallback(const std::string& name) {
    static std::unordered_map<std::string, QString> resolved;
    auto it = resolved.find(name);
    if (it == resolved.end()) {
        const QString wanted = QString::fromStdString(name);
        it = resolved.emplace(name, QFontDatabase::hasFamily(wanted) ? wanted : QStringLiteral("DejaVu Sans")).first;
    }
    return it->second;
}

QString family(const std::string& name) {
    if (name == "MS Sans Serif") return QApplication::font().family();
    return installedOrFallback(name);
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
