#include "platform/frame.h"

#include "platform/container_widget.h"
#include "platform/form.h"

#include <QPainter>

namespace platform {
// A frame's widget is the canvas of what it holds; paintBackground draws its border and caption.
Frame::Frame(Container& parent) : StyledControl(parent, Layer::Windowed, vbButtonText, vbButtonFace) {
    auto* widget = new ContainerWidget(*this, parent.canvas());
    setContainerParts(&parent.form(), widget);
    attachWidget(widget);
    applyStyle();
}

bool Frame::showing() const { return Visible && container() && container()->showing(); }

bool Frame::enabledChain() const { return Enabled && container() && container()->enabledChain(); }

void Frame::paintBackground(QPainter& painter) const {
    const QRect r = canvas()->rect();
    painter.fillRect(r, BackColor->toQColor());
    if (BorderStyle == vbBSNone) return;
    painter.setFont(Font.toQFont());
    const int textHeight = painter.fontMetrics().height();
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(r.adjusted(0, textHeight / 2, -1, -1));
    const QString caption = QString::fromStdString(Caption);
    if (caption.isEmpty()) return;
    const QRect text(8, 0, painter.fontMetrics().horizontalAdvance(caption) + 4, textHeight);
    painter.fillRect(text, BackColor->toQColor());
    painter.setPen(Enabled ? ForeColor->toQColor() : QColor(128, 128, 128));
    painter.drawText(text, Qt::AlignCenter, caption);
}

void Frame::propertyChanged(const void* p) {
    StyledControl::propertyChanged(p);
    if (p == &Caption || p == &BorderStyle || p == &Enabled) canvas()->update();
}

void Frame::copyFrom(const Control& other) {
    StyledControl::copyFrom(other);
    if (const auto* frame = dynamic_cast<const Frame*>(&other)) {
        Caption = frame->Caption.get();
        BorderStyle = frame->BorderStyle.get();
    }
}

}  // namespace platform
