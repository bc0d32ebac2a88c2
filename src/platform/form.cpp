#include "platform/form.h"

#include "platform/container_widget.h"
#include "platform/form_widget.h"
#include "platform/input.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The fixed allowance between a window's outer size and its client area: the borders, the title
// bar, and the menu bar when the window has one.
constexpr double kFrameWidthTwips = 120;
constexpr double kFrameHeightTwips = 405;
constexpr double kMenuBarTwips = 300;

int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

}  // namespace

Form::Form() : widget_(std::make_unique<FormWidget>(*this)) {
    setContainerParts(this, widget_->canvas());
    applyFrameButtons();
    applyGeometry();
}

Form::~Form() = default;

QWidget* Form::topLevel() const { return widget_.get(); }

QWidget* Form::menuBar() { return widget_->menuBar(); }

void Form::propertyChanged(const void* p) {
    if (p == &Caption) {
        widget_->setWindowTitle(QString::fromStdString(Caption));
    } else if (p == &Left || p == &Top || p == &Width || p == &Height) {
        applyGeometry();
    } else if (p == &Enabled) {
        widget_->setEnabled(Enabled);
        detail::formEnabled(*this, Enabled);
        if (!Enabled) input::forget(this);
    } else if (p == &Visible) {
        Visible ? showNow() : hideNow();
    } else if (p == &BackColor || p == &Picture) {
        canvas()->update();
    } else if (p == &Icon) {
        widget_->setWindowIcon(Icon.get() ? QIcon(QPixmap::fromImage(Icon->image())) : QIcon());
    } else if (p == &MinButton || p == &MaxButton || p == &Sizable) {
        applyFrameButtons();
        applyGeometry();
    } else if (p == &WindowState && Visible) {
        WindowState == vbMaximized ? widget_->showMaximized() : widget_->showNormal();
    }
}

void Form::paintBackground(QPainter& painter) const {
    painter.fillRect(canvas()->rect(), BackColor->toQColor());
    if (Picture.get()) painter.drawImage(QPointF(0, 0), Picture->image());
}

void Form::Show() {
    if (!loaded_) return;
    if (!Visible) {
        Visible = true;
        return;
    }
    detail::requestActivation(*this);
}

void Form::Hide() { Visible = false; }

bool Form::Unload() { return unload(true); }

bool Form::unload(bool mayRefuse) {
    if (!loaded_ || unloading_) return true;
    unloading_ = true;
    int Cancel = 0;
    {
        detail::HandlerGuard guard(this);
        Form_Unload(Cancel);
    }
    unloading_ = false;
    if (mayRefuse && Cancel != 0) return false;
    loaded_ = false;
    killTimers();
    Visible.setQuietly(false);
    widget_->hide();
    detail::formUnloaded(*this);  // may destroy this window: nothing of it is touched after
    return true;
}

void Form::closeBox() {
    if (!loaded_ || !Enabled) return;
    Unload();
}

void Form::ZOrder(int position) {
    if (!detail::followsUserActivation()) return;  // no window system to stack for (tests)
    if (position == 0)
        widget_->raise();
    else
        widget_->lower();
}

void Form::Move(double left, double top) {
    Left = left;
    Top = top;
}

void Form::Move(double left, double top, double width, double height) {
    Move(left, top);
    Width = width;
    Height = height;
}

double Form::ScaleWidth() const { return Width - kFrameWidthTwips; }

double Form::ScaleHeight() const {
    return Height - kFrameHeightTwips - (widget_->hasMenuBar() ? kMenuBarTwips : 0);
}

void Form::setClientSize(double width, double height) {
    Width = Width + (width - ScaleWidth());
    Height = Height + (height - ScaleHeight());
}

ScreenRect Form::screenArea(const Control& control) const {
    return {Left + control.windowX(), Top + control.windowY(), control.Width + kFrameWidthTwips,
            control.Height + (Height - ScaleHeight()) + kTitleAllowanceTwips};
}

void Form::registerTimer(Timer* timer) { timers_.push_back(timer); }

void Form::unregisterTimer(Timer* timer) { std::erase(timers_, timer); }

void Form::registerMenu(Menu* menu) { menus_.push_back(menu); }

void Form::unregisterMenu(Menu* menu) { std::erase(menus_, menu); }

void Form::killTimers() {
    for (Timer* timer : timers_) timer->kill();
}

// A shown maximized window keeps the size the window system gave it.
void Form::applyGeometry() {
    if (WindowState == vbMaximized && Visible && placed_) return;
    setWidgetGeometry();
}

void Form::setWidgetGeometry() {
    const int w = std::max(1, px(Width - kFrameWidthTwips));
    const int h = std::max(1, px(Height - kFrameHeightTwips));
    if (Sizable) {
        widget_->setMinimumSize(1, 1);
        widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget_->resize(w, h);
    } else {
        widget_->setFixedSize(w, h);
    }
    widget_->move(px(Left), px(Top));
}

void Form::applyFrameButtons() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (MinButton) flags |= Qt::WindowMinimizeButtonHint;
    if (MaxButton) flags |= Qt::WindowMaximizeButtonHint;
    if (widget_->windowFlags() == flags) return;
    const bool shown = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (shown) widget_->show();
}

// A window opens where its design puts it, centred on the screen, or maximized; the place is
// chosen once, when it is first shown after its load (which may have scaled it). A window that
// would reach past the screen there moves just far enough to lie wholly on it.
void Form::placeAtFirstShow() {
    if (placed_) return;
    placed_ = true;
    if (WindowState == vbMaximized) {
        Left.setQuietly(0);
        Top.setQuietly(0);
        Width.setQuietly(screenWidthTwips());
        Height.setQuietly(screenHeightTwips());
        // Covers the screen even where no window manager maximizes it (and so draws no frame).
        setWidgetGeometry();
        widget_->resize(screenSize().widthPx, screenSize().heightPx);
        return;
    }
    if (StartUpPosition == vbStartUpScreen)
        Move(std::max(0.0, (screenWidthTwips() - Width) / 2), std::max(0.0, (screenHeightTwips() - Height) / 2));
    const ScreenRect here{Left, Top, Width, Height};
    if (fitsOnScreen(here, screenWidthTwips(), screenHeightTwips())) return;
    const ScreenRect moved = movedOnScreen(here, screenWidthTwips(), screenHeightTwips());
    Move(moved.left, moved.top);
}

void Form::showNow() {
    if (!loaded_) {
        Visible.setQuietly(false);
        return;
    }
    placeAtFirstShow();
    // A screen set by a test is the whole display: the window system's own screen must not size
    // a maximized window, which placeAtFirstShow has already made as large as that screen.
    if (WindowState == vbMaximized && !screenSizeSet())
        widget_->showMaximized();
    else
        widget_->show();
    detail::requestActivation(*this);
}

void Form::hideNow() {
    widget_->hide();
    input::forget(this);
    detail::formHidden(*this);
}

}  // namespace platform
