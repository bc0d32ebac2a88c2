#include "support/window_test.h"
#include "test_windows.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Real Qt mouse events, sent to the widgets as the window system would, prove the wiring between
// Qt and the platform's routing.
namespace gp {
namespace {

using namespace testwin;

void send(QWidget* widget, QEvent::Type type, QPoint px, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(px), QPointF(widget->mapToGlobal(px)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class RealMouse : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        events().clear();
        t = &open<Table>();
    }
    static QPoint pixels(double x, double y) { return QPoint(int(x / 15), int(y / 15)); }
    Table* t = nullptr;
};

TEST_F(RealMouse, PressAndReleaseOnACardClickIt) {
    QWidget* canvas = t->canvas();
    send(canvas, QEvent::MouseButtonPress, pixels(700, 700), Qt::LeftButton, Qt::LeftButton);
    send(canvas, QEvent::MouseButtonRelease, pixels(700, 700), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events(), std::vector<std::string>{"card1.click"});
}

TEST_F(RealMouse, ButtonAndFrameContentsTakeTheirClicks) {
    QWidget* button = t->button.widget();
    send(button, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(button, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QWidget* frame = t->frame.widget();
    send(frame, QEvent::MouseButtonPress, pixels(400, 400), Qt::LeftButton, Qt::LeftButton);
    send(frame, QEvent::MouseButtonRelease, pixels(400, 400), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events(), (std::vector<std::string>{"button.click", "inner.click"}));
}

TEST_F(RealMouse, DragFromOneImageToAnother) {
    t->card[1].DragMode = platform::vbAutomatic;
    QWidget* canvas = t->canvas();
    send(canvas, QEvent::MouseMove, pixels(750, 750), Qt::NoButton, Qt::NoButton);
    send(canvas, QEvent::MouseButtonPress, pixels(750, 750), Qt::LeftButton, Qt::LeftButton);
    send(canvas, QEvent::MouseMove, pixels(4500, 3600), Qt::NoButton, Qt::LeftButton);
    send(canvas, QEvent::MouseButtonRelease, pixels(4500, 3600), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(events(), (std::vector<std::string>{"card1.move", "card1.move", "card1.over0", "card1.over1",
                                                  "zone.drop from 1 at 500,600", "drag ended 1"}));
}

}  // namespace
}  // namespace gp
