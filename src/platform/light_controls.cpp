#include "platform/light_controls.h"

#include "platform/services.h"

#include <QPainter>

#include <algorithm>

namespace platform {
namespace {

QRectF pixels(const Control& c) {
    return QRectF(c.Left / kTwipsPerPixel, c.Top / kTwipsPerPixel, c.Width / kTwipsPerPixel, c.Height / kTwipsPerPixel);
}

// Squares and circles take the shorter side, centred in the control.
QRectF squared(const QRectF& r) {
    const double side = std::min(r.width(), r.height());
    return QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
}

QBrush fillBrush(int style, const QColor& color) {
    switch (style) {
    case vbFSSolid:
        return QBrush(color);
    case vbFSDiagonalCross:
        return QBrush(color, Qt::DiagCrossPattern);
    default:
        return QBrush(Qt::NoBrush);
    }
}

}  // namespace

Image::Image(Container& parent) : Control(parent, Layer::Light) {}

void Image::propertyChanged(const void* p) {
    if (p == &Stretch && !Stretch) fitToPicture();
    Control::propertyChanged(p);
}

void Image::pictureChanged() {
    if (!Stretch) fitToPicture();
    refresh();
}

void Image::fitToPicture() {
    if (!Picture.get()) return;
    Width = double(Picture->widthPx()) * kTwipsPerPixel;
    Height = double(Picture->heightPx()) * kTwipsPerPixel;
}

void Image::paint(QPainter& painter) const {
    if (!Picture.get()) return;
    const QImage& image = Picture->image();
    const QRectF r = pixels(*this);
    if (!Stretch) {
        // The picture shows from the control's top-left corner as far as the control reaches.
        const QRectF shown(r.topLeft(), r.size().boundedTo(QSizeF(image.size())));
        if (!shown.isEmpty()) painter.drawImage(shown, image, QRectF(QPointF(0, 0), shown.size()));
        return;
    }
    if (r.size() == QSizeF(image.size())) {
        painter.drawImage(r.topLeft(), image);
        return;
    }
    // Smoothing slows Qt down even where nothing is scaled, so it is asked for only here.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(r, image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void Image::copyFrom(const Control& other) {
    if (const auto* image = dynamic_cast<const Image*>(&other)) Stretch = image->Stretch.get();
    Control::copyFrom(other);
}

Label::Label(Container& parent) : StyledControl(parent, Layer::Light, vbButtonText, vbButtonFace) {}

void Label::paint(QPainter& painter) const {
    const QRectF r = pixels(*this);
    painter.setClipRect(r);
    if (BackStyle == vbOpaque) painter.fillRect(r, BackColor->toQColor());
    if (BorderStyle != vbBSNone) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter.setFont(Font.toQFont());
    painter.setPen(Enabled ? ForeColor->toQColor() : QColor(128, 128, 128));
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= Alignment == vbCenter ? Qt::AlignHCenter : Alignment == vbRightJustify ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(r, flags, QString::fromStdString(Caption));
}

void Label::copyFrom(const Control& other) {
    if (const auto* label = dynamic_cast<const Label*>(&other)) {
        Caption = label->Caption.get();
        Alignment = label->Alignment.get();
        BackStyle = label->BackStyle.get();
        BorderStyle = label->BorderStyle.get();
    }
    StyledControl::copyFrom(other);
}

Shape::Shape(Container& parent) : Control(parent, Layer::Light) {}

void Shape::paint(QPainter& painter) const {
    QRectF r = pixels(*this);
    const bool square = Kind == vbShapeSquare || Kind == vbShapeCircle || Kind == vbShapeRoundedSquare;
    if (square) r = squared(r);
    const double inset = BorderStyle == vbBSNone ? 0 : BorderWidth / 2.0;
    r = r.adjusted(inset, inset, -inset, -inset);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(BorderStyle == vbBSNone ? QPen(Qt::NoPen) : QPen(BorderColor->toQColor(), std::max(1, BorderWidth.get())));
    const auto draw = [&](const QBrush& brush) {
        painter.setBrush(brush);
        if (Kind == vbShapeOval || Kind == vbShapeCircle)
            painter.drawEllipse(r);
        else if (Kind == vbShapeRoundedRectangle || Kind == vbShapeRoundedSquare)
            painter.drawRoundedRect(r, std::min(r.width(), r.height()) / 6, std::min(r.width(), r.height()) / 6);
        else
            painter.drawRect(r);
    };
    if (BackStyle == vbOpaque) draw(BackColor->toQColor());
    draw(fillBrush(FillStyle, FillColor->toQColor()));
}

void Shape::copyFrom(const Control& other) {
    if (const auto* shape = dynamic_cast<const Shape*>(&other)) {
        Kind = shape->Kind.get();
        BackStyle = shape->BackStyle.get();
        BackColor = shape->BackColor.get();
        FillStyle = shape->FillStyle.get();
        FillColor = shape->FillColor.get();
        BorderStyle = shape->BorderStyle.get();
        BorderColor = shape->BorderColor.get();
        BorderWidth = shape->BorderWidth.get();
    }
    Control::copyFrom(other);
}

Line::Line(Container& parent) : Control(parent, Layer::Light) {}

void Line::paint(QPainter& painter) const {
    if (BorderStyle == vbBSNone) return;
    painter.setPen(QPen(BorderColor->toQColor(), std::max(1, BorderWidth.get())));
    painter.drawLine(QPointF(X1 / kTwipsPerPixel, Y1 / kTwipsPerPixel), QPointF(X2 / kTwipsPerPixel, Y2 / kTwipsPerPixel));
}

// The line and its pen's width around it.
QRectF Line::paintBounds() const {
    const double margin = std::max(1, BorderWidth.get());
    return QRectF(QPointF(X1 / kTwipsPerPixel, Y1 / kTwipsPerPixel), QPointF(X2 / kTwipsPerPixel, Y2 / kTwipsPerPixel))
        .normalized()
        .adjusted(-margin, -margin, margin, margin);
}

void Line::copyFrom(const Control& other) {
    if (const auto* line = dynamic_cast<const Line*>(&other)) {
        X1 = line->X1.get();
        Y1 = line->Y1.get();
        X2 = line->X2.get();
        Y2 = line->Y2.get();
        BorderColor = line->BorderColor.get();
        BorderWidth = line->BorderWidth.get();
        BorderStyle = line->BorderStyle.get();
    }
    Control::copyFrom(other);
}

}  // namespace platform
