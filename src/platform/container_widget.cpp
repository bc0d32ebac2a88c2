#include "platform/container_widget.h"

#include "platform/appearance.h"
#include "platform/form.h"
#include "platform/input.h"
#include "platform/services.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace platform {

int buttonBits(Qt::MouseButtons buttons) {
    int bits = 0;
    if (buttons & Qt::LeftButton) bits |= vbLeftButton;
    if (buttons & Qt::RightButton) bits |= vbRightButton;
    if (buttons & Qt::MiddleButton) bits |= vbMiddleButton;
    return bits;
}

int shiftBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= vbShiftMask;
    if (modifiers & Qt::ControlModifier) bits |= vbCtrlMask;
    if (modifiers & Qt::AltModifier) bits |= vbAltMask;
    return bits;
}

ContainerWidget::ContainerWidget(Container& container, QWidget* parent) : QWidget(parent), container_(container) {
    setMouseTracking(true);
}

// Qt copies a picture by its fast path only into a rectangular clip, and the windowed controls in
// front cut holes into the region to paint; so the region is painted one rectangle at a time, each
// control only where it lies (a pixel more, for antialiased edges).
void ContainerWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    for (const QRect& part : event->region()) {
        painter.setClipRect(part);
        container_.paintBackground(painter);
        const QRectF reach = QRectF(part).adjusted(-1, -1, 1, 1);
        for (const Control* control : container_.lightControls()) {
            if (!control->Visible || !control->paintBounds().intersects(reach)) continue;
            if (control->paintKeepsPainter()) {
                control->paint(painter);
                continue;
            }
            painter.save();
            control->paint(painter);
            painter.restore();
        }
    }
}

QPointF ContainerWidget::clientTwips(const QPointF& local) const {
    QWidget* canvas = container_.form().canvas();
    const QPointF p = canvas == this ? local : QPointF(mapTo(canvas, local.toPoint())) + (local - local.toPoint());
    return p * kTwipsPerPixel;
}

void ContainerWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF p = clientTwips(event->position());
    input::press(container_.form(), p.x(), p.y(), buttonBits(event->button()), shiftBits(event->modifiers()));
}

void ContainerWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click counts as a click of its own.
    mousePressEvent(event);
}

void ContainerWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = clientTwips(event->position());
    input::move(container_.form(), p.x(), p.y(), buttonBits(event->buttons()), shiftBits(event->modifiers()));
    showCursorAt(p);
}

void ContainerWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = clientTwips(event->position());
    input::release(container_.form(), p.x(), p.y(), buttonBits(event->button()), shiftBits(event->modifiers()));
}

void ContainerWidget::showCursorAt(const QPointF& twips) {
    Form& form = container_.form();
    if (!form.isLoaded()) return;
    const Control* under = input::hitTest(form, twips.x(), twips.y());
    const bool custom = (under && under->MousePointer == vbCustom) || form.MousePointer == vbCustom;
    if (custom)
        setCursor(detail::programCursor());
    else
        unsetCursor();
}

}  // namespace platform
