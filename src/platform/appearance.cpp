#include "platform/appearance.h"

#include "platform/form.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace platform {
namespace {

// Stands in until the program supplies its own cursor: a plain arrow.
QCursor placeholderCursor() {
    QPixmap arrow(16, 16);
    arrow.fill(Qt::transparent);
    QPainter painter(&arrow);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(1, 1);
    path.lineTo(1, 14);
    path.lineTo(5, 10);
    path.lineTo(11, 10);
    path.closeSubpath();
    painter.fillPath(path, Qt::white);
    painter.strokePath(path, QPen(Qt::black, 1));
    return QCursor(arrow, 1, 1);
}

QCursor& cursor() {
    static QCursor c = placeholderCursor();
    return c;
}

}  // namespace

namespace detail {
const QCursor& programCursor() { return cursor(); }
}  // namespace detail

void setProgramIcon(const Picture& icon) {
    if (!icon) return;
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(icon.image())));
}

void setProgramCursor(const Picture& picture, int hotX, int hotY) {
    if (!picture) return;
    cursor() = QCursor(QPixmap::fromImage(picture.image()), hotX, hotY);
}

}  // namespace platform
