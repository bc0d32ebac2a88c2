#pragma once

#include "platform/control.h"

#include <string>

// The light controls: drawn by their container, in its stacking order.
namespace platform {

// A picture control. Without Stretch it takes its picture's natural size (pixels x 15 twips) each
// time it is given one; with Stretch it draws the picture at its own size. Without a picture it
// draws nothing but still takes clicks and drops over its whole rectangle.
class Image : public Control {
public:
    explicit Image(Container& parent);
    Property<bool> Stretch{this, false};

    void paint(QPainter& painter) const override;
    bool paintKeepsPainter() const override { return true; }
    void copyFrom(const Control& other) override;
    const char* kind() const override { return "Image"; }

protected:
    void propertyChanged(const void* property) override;
    void pictureChanged() override;

private:
    void fitToPicture();
};

class Label : public StyledControl {
public:
    explicit Label(Container& parent);
    Property<std::string> Caption{this};
    Property<int> Alignment{this, vbLeftJustify};
    Property<int> BackStyle{this, vbOpaque};
    Property<int> BorderStyle{this, vbBSNone};

    void paint(QPainter& painter) const override;
    void copyFrom(const Control& other) override;
    const char* kind() const override { return "Label"; }
};

// Rectangles, squares, ovals, circles and rounded ones, filled solid, hatched with crossed
// diagonals or not at all; takes no pointer events.
class Shape : public Control {
public:
    explicit Shape(Container& parent);
    Property<int> Kind{this, vbShapeRectangle};
    Property<int> BackStyle{this, vbTransparent};
    Property<Color> BackColor{this, vbWindowBackground};
    Property<int> FillStyle{this, vbFSTransparent};
    Property<Color> FillColor{this, vbBlack};
    Property<int> BorderStyle{this, vbBSSolid};
    Property<Color> BorderColor{this, vbWindowText};
    Property<int> BorderWidth{this, 1};  // pixels

    void paint(QPainter& painter) const override;
    void copyFrom(const Control& other) override;
    const char* kind() const override { return "Shape"; }

protected:
    bool pointerKind() const override { return false; }
};

// A line between two points of its container, in twips; takes no pointer events.
class Line : public Control {
public:
    explicit Line(Container& parent);
    Property<double> X1{this, 0.0};
    Property<double> Y1{this, 0.0};
    Property<double> X2{this, 0.0};
    Property<double> Y2{this, 0.0};
    Property<Color> BorderColor{this, vbWindowText};
    Property<int> BorderWidth{this, 1};  // pixels
    Property<int> BorderStyle{this, vbBSSolid};

    void paint(QPainter& painter) const override;
    QRectF paintBounds() const override;
    void copyFrom(const Control& other) override;
    const char* kind() const override { return "Line"; }

protected:
    bool pointerKind() const override { return false; }
};

}  // namespace platform
