#pragma once

#include <QWidget>

// The widget of a window's client area or a frame's inside: it paints the light controls in their
// stacking order and feeds Qt's mouse events into the platform's pointer routing.
namespace platform {

class Container;

class ContainerWidget : public QWidget {
public:
    ContainerWidget(Container& container, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF clientTwips(const QPointF& local) const;
    void showCursorAt(const QPointF& twips);
    Container& container_;
};

// Classic button and shift numbers from Qt's.
int buttonBits(Qt::MouseButtons buttons);
int shiftBits(Qt::KeyboardModifiers modifiers);

}  // namespace platform
