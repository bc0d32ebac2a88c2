#include "art/painting.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QRadialGradient>

#include <map>

namespace art {

QImage canvas(QSize size, const QColor& fill) {
    const bool opaque = fill.alpha() == 255;
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont boldFont(bool condensed) {
    static const QStringList wide{"DejaVu Sans", "Liberation Sans", "Nimbus Sans", "Arial", "Helvetica"};
    static const QStringList narrow{"DejaVu Sans Condensed", "Liberation Sans Narrow",
                                    "Nimbus Sans Narrow", "Arial Narrow", "DejaVu Sans"};
    QFont font;
    font.setFamilies(condensed ? narrow : wide);
    font.setBold(true);
    font.setPixelSize(100);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

namespace {

// A text's outline in a font. Taking outlines from the font is slow, and the same few texts recur on
// every card and picture, so each outline is taken once.
const QPainterPath& outline(const QString& text, const QFont& font) {
    static std::map<QString, QPainterPath> taken;
    const QString key = font.toString() + '|' + font.families().join(',') + '|' + text;
    auto found = taken.find(key);
    if (found == taken.end()) {
        QPainterPath path;
        path.addText(0, 0, font, text);
        found = taken.emplace(key, path).first;
    }
    return found->second;
}

}  // namespace

void drawFittedText(QPainter& painter, const QString& text, const QRectF& box, const QColor& color,
                    const QFont& font) {
    const QPainterPath& path = outline(text, font);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) return;
    const double sy = box.height() / ink.height();
    const double sx = std::min(sy, box.width() / ink.width());
    QTransform t;
    t.translate(box.center().x(), box.top());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.top());
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(t.map(path));
    painter.restore();
}

void drawCardBody(QPainter& painter, const QRectF& rect, double radius, const QColor& fill,
                  const QColor& edge) {
    painter.save();
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.restore();
}

void drawMarble(QPainter& painter, QPointF centre, double radius, const QColor& color) {
    QRadialGradient light(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
    light.setColorAt(0, color.lighter(190));
    light.setColorAt(0.45, color);
    light.setColorAt(1, color.darker(180));
    painter.setPen(QPen(color.darker(220), 0.8));
    painter.setBrush(light);
    painter.drawEllipse(centre, radius, radius);
}

}  // namespace art
