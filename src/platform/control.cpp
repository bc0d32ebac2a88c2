#include "platform/control.h"

#include "platform/form.h"
#include "platform/input.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace platform {
namespace {

int px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

void moveTo(std::vector<Control*>& order, Control* control, int position) {
    auto it = std::find(order.begin(), order.end(), control);
    if (it == order.end()) return;
    order.erase(it);
    if (position == 0)
        order.push_back(control);
    else
        order.insert(order.begin(), control);
}

}  // namespace

Control::Guarded::Guarded() { detail::enterHandler(); }
Control::Guarded::~Guarded() { detail::leaveHandler(); }

Control::Control(Container& parent, Layer layer)
    : form_(&parent.form()), container_(&parent), light_(layer == Layer::Light) {
    (light_ ? parent.light_ : parent.windowed_).push_back(this);
}

Control::~Control() {
    input::forget(this);
    detach();
    delete widget_.data();
}

QWidget* Control::widget() const { return widget_.data(); }

Form& Control::form() const { return *form_; }

bool Control::live() const { return container_ && form_->isLoaded(); }

void Control::attachWidget(QWidget* widget) {
    widget_ = widget;
    applyWidgetState();
}

void Control::detach() {
    if (!container_) return;
    input::forget(this);
    auto& order = light_ ? container_->light_ : container_->windowed_;
    order.erase(std::remove(order.begin(), order.end(), this), order.end());
    if (light_ && container_->canvas()) container_->canvas()->update();
    if (widget_) widget_->hide();
    container_ = nullptr;
}

void Control::propertyChanged(const void* p) {
    if (p == &Picture) {
        pictureChanged();
        return;
    }
    if (p == &Visible && !Visible) input::forget(this);
    refresh();
}

void Control::refresh() {
    if (!container_) return;
    if (light_) {
        if (container_->canvas()) container_->canvas()->update();
        return;
    }
    applyWidgetState();
}

void Control::applyWidgetState() {
    if (!widget_) return;
    widget_->setGeometry(px(Left), px(Top), std::max(0, px(Width)), std::max(0, px(Height)));
    widget_->setEnabled(Enabled);
    widget_->setVisible(Visible && container_ != nullptr);
}

void Control::Move(double left, double top) {
    Left = left;
    Top = top;
}

void Control::Move(double left, double top, double width, double height) {
    Move(left, top);
    Width = width;
    Height = height;
}

void Control::ZOrder(int position) {
    if (!container_) return;
    moveTo(light_ ? container_->light_ : container_->windowed_, this, position);
    if (light_) {
        refresh();
        return;
    }
    if (!widget_) return;
    position == 0 ? widget_->raise() : widget_->lower();
}

bool Control::takesPointer() const {
    return container_ && Visible && Enabled && pointerKind() && container_->showing() && container_->enabledChain();
}

QRectF Control::paintBounds() const {
    return QRectF(Left / kTwipsPerPixel, Top / kTwipsPerPixel, Width / kTwipsPerPixel, Height / kTwipsPerPixel)
        .normalized();
}

double Control::windowX() const { return (container_ ? container_->originX() : 0) + Left; }

double Control::windowY() const { return (container_ ? container_->originY() : 0) + Top; }

std::string Control::describe() const {
    std::ostringstream text;
    text << kind();
    if (index_ >= 0) text << '(' << index_ << ')';
    text << " at " << Left.get() << ", " << Top.get() << " size " << Width.get() << " x " << Height.get();
    if (!Tag->empty()) text << " tag \"" << Tag.get() << '"';
    return text.str();
}

void Control::raiseClick() { raise(Click); }

void Control::raiseMouseMove(int button, int shift, double x, double y) { raise(MouseMove, button, shift, x, y); }

void Control::raiseDragDrop(Control& source, double x, double y) { raise(DragDrop, source, x, y); }

void Control::raiseDragOver(Control& source, double x, double y, int state) {
    raise(DragOver, source, x, y, state);
}

void Control::copyFrom(const Control& other) {
    Width = other.Width.get();
    Height = other.Height.get();
    Left = other.Left.get();
    Top = other.Top.get();
    Enabled = other.Enabled.get();
    Tag = other.Tag.get();
    DragMode = other.DragMode.get();
    MousePointer = other.MousePointer.get();
    Picture = other.Picture.get();
}

StyledControl::StyledControl(Container& parent, Layer layer, Color fore, Color back)
    : Control(parent, layer), ForeColor(this, fore), BackColor(this, back) {}

void StyledControl::propertyChanged(const void* p) {
    if (p == &Font || p == &ForeColor || p == &BackColor) {
        applyStyle();
        refresh();
        return;
    }
    Control::propertyChanged(p);
}

void StyledControl::applyStyle() {
    QWidget* w = widget();
    if (!w) return;
    w->setFont(Font.toQFont());
    QPalette palette = w->palette();
    if (!ForeColor->isSystem()) {
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, ForeColor->toQColor());
    }
    if (!BackColor->isSystem()) {
        for (auto role : {QPalette::Window, QPalette::Button})
            palette.setColor(role, BackColor->toQColor());
        // Option and check marks keep their light well, as on the classic platform.
        if (!qobject_cast<QAbstractButton*>(w)) palette.setColor(QPalette::Base, BackColor->toQColor());
        w->setAutoFillBackground(true);
    }
    w->setPalette(palette);
}

void StyledControl::copyFrom(const Control& other) {
    Control::copyFrom(other);
    const auto* styled = dynamic_cast<const StyledControl*>(&other);
    if (!styled) return;
    Font = styled->Font;
    ForeColor = styled->ForeColor.get();
    BackColor = styled->BackColor.get();
}

}  // namespace platform
