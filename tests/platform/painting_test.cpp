#include "support/window_test.h"

#include "platform/input.h"

#include <QImage>
#include <QScreen>
#include <QWidget>

namespace gp {
namespace {

using platform::kTwipsPerPixel;

const QColor kFelt(0, 128, 0);

platform::Picture solid(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return platform::Picture(image);
}

// Pixel geometry, as the tests read the painted window.
void place(platform::Control& c, int x, int y, int width, int height) {
    c.Move(x * kTwipsPerPixel, y * kTwipsPerPixel, width * kTwipsPerPixel, height * kTwipsPerPixel);
}

// A felt with a list box in front, which cuts a hole into the region the window paints, and
// pictures beside it, across its edges, overlapping, clipped and stretched.
class Felt : public platform::Form {
public:
    Felt() {
        Move(0, 0, 6000, 4800);
        BackColor = platform::RGB(0, 128, 0);
        place(list, 100, 100, 60, 40);
        list.BackColor = platform::RGB(255, 255, 255);
        across.Picture = solid(40, 40, Qt::red);
        place(across, 170, 80, 40, 40);
        clipped.Picture = solid(40, 40, Qt::blue);
        place(clipped, 20, 20, 20, 20);
        stretched.Stretch = true;
        stretched.Picture = solid(10, 10, Qt::yellow);
        place(stretched, 20, 150, 50, 30);
        back.Picture = solid(40, 40, Qt::red);
        place(back, 250, 20, 40, 40);
        front.Picture = solid(40, 40, Qt::blue);
        place(front, 270, 20, 40, 40);
    }
    platform::ListBox list{*this};
    platform::Image across{*this}, clipped{*this}, stretched{*this}, back{*this}, front{*this};
};

class Painting : public WindowTest {
protected:
    // What the window shows now, as it was painted for the screen.
    QImage shown(platform::Form& form) {
        settle();
        QWidget* top = form.topLevel();
        return top->screen()->grabWindow(top->winId()).toImage();
    }
};

TEST_F(Painting, PicturesShowWholeAcrossTheHolesWindowedControlsCut) {
    Felt& f = open<Felt>();
    const QImage image = shown(f);
    struct Case {
        int x, y;
        QColor color;
        const char* what;
    };
    for (const Case c : {Case{171, 81, Qt::red, "above the list's top edge"},
                         Case{208, 118, Qt::red, "beside the list"},
                         Case{21, 21, Qt::blue, "an unstretched picture from its corner"},
                         Case{45, 25, kFelt, "beyond the control that holds a larger picture"},
                         Case{68, 178, Qt::yellow, "a stretched picture to the control's corner"},
                         Case{255, 30, Qt::red, "the back card where the front one leaves it"},
                         Case{280, 30, Qt::blue, "the front card over the back one"},
                         Case{220, 130, kFelt, "the felt beside everything"}}) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(image.pixelColor(c.x, c.y).name(), c.color.name());
    }
}

// A row of the outline's top edge, in client pixels: whether any of it is drawn in black.
bool outlineAt(const QImage& image, const platform::input::Outline& o) {
    const int y = int(o.top / kTwipsPerPixel) + 1;
    for (int x = int(o.left / kTwipsPerPixel) + 2; x < int((o.left + o.width) / kTwipsPerPixel) - 2; ++x)
        if (image.pixelColor(x, y) == Qt::black) return true;
    return false;
}

TEST_F(Painting, TheDragOutlineLeavesNoTraceWhereItWas) {
    Felt& f = open<Felt>();
    f.back.DragMode = platform::vbAutomatic;
    platform::input::press(f, 260 * kTwipsPerPixel, 30 * kTwipsPerPixel, platform::vbLeftButton);
    platform::input::move(f, 150 * kTwipsPerPixel, 220 * kTwipsPerPixel, platform::vbLeftButton);
    const platform::input::Outline first = platform::input::dragOutline();
    EXPECT_TRUE(outlineAt(shown(f), first));
    platform::input::move(f, 330 * kTwipsPerPixel, 230 * kTwipsPerPixel, platform::vbLeftButton);
    const QImage image = shown(f);
    EXPECT_TRUE(outlineAt(image, platform::input::dragOutline()));
    EXPECT_FALSE(outlineAt(image, first));
    platform::input::release(f, 330 * kTwipsPerPixel, 230 * kTwipsPerPixel, platform::vbLeftButton);
}

}  // namespace
}  // namespace gp
