#include "art/color_pads.h"

#include "art/painting.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace art {
namespace {

struct PadColours {
    QColor normal;
    QColor lit;
};

constexpr int kPads = 4;

const std::array<PadColours, kPads>& padColours() {
    static const std::array<PadColours, kPads> colours{{
        {QColor(255, 255, 0), QColor(255, 255, 128)},
        {QColor(0, 192, 0), QColor(0, 255, 0)},
        {QColor(255, 0, 0), QColor(255, 128, 128)},
        {QColor(0, 0, 255), QColor(128, 128, 255)},
    }};
    return colours;
}

// A rounded square whose corner away from the middle of the four pads is rounded most, so the
// four together read as one round console.
QPainterPath padShape(int pad, const QRectF& r) {
    const bool left = pad == 1 || pad == 3;
    const bool top = pad == 1 || pad == 2;
    constexpr double outer = 64, inner = 18;
    const double tl = left && top ? outer : inner;
    const double tr = !left && top ? outer : inner;
    const double bl = left && !top ? outer : inner;
    const double br = !left && !top ? outer : inner;
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.arcTo(QRectF(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(r.right(), r.bottom() - br);
    path.arcTo(QRectF(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    path.lineTo(r.left() + bl, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    path.lineTo(r.left(), r.top() + tl);
    path.arcTo(QRectF(r.left(), r.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

QImage drawColorPad(int pad, bool lit) {
    const PadColours& colours = padColours()[static_cast<std::size_t>(pad - 1)];
    const QColor body = lit ? colours.lit : colours.normal;

    QImage image = canvas(kColorPadSize, Qt::black).convertToFormat(QImage::Format_RGB888);
    QPainter p(&image);
    smooth(p);
    const QRectF outline(8, 8, kColorPadSize.width() - 16, kColorPadSize.height() - 16);
    const QPainterPath shape = padShape(pad, outline);

    p.fillPath(shape, body);
    // A soft sheen across the upper half, a shade below (on the dark pad only) and a rim give the
    // pad some depth; its middle keeps the pad's own colour.
    QLinearGradient sheen(outline.topLeft(), outline.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, lit ? 0 : 60));
    p.fillPath(shape, sheen);
    if (lit) {
        QRadialGradient glow(outline.center(), outline.width() * 0.55);
        glow.setColorAt(0, QColor(255, 255, 255, 110));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillPath(shape, glow);
    }
    p.setPen(QPen(body.darker(lit ? 120 : 160), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    return image;
}

}  // namespace

// Each pad is drawn once and then shared: drawing the eight was most of the window's first opening.
QImage colorPad(int pad, bool lit) {
    if (pad < 1 || pad > kPads) return {};
    static std::array<std::array<QImage, 2>, kPads> drawn;
    QImage& image = drawn[static_cast<std::size_t>(pad - 1)][lit ? 1 : 0];
    if (image.isNull()) image = drawColorPad(pad, lit);
    return image;
}

}  // namespace art
