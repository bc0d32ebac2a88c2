#include "platform/input.h"

#include "platform/form.h"
#include "platform/form_widget.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QRectF>
#include <QWidget>

namespace platform::input {
namespace {

struct Drag {
    Form* form = nullptr;
    Control* source = nullptr;
    double grabX = 0, grabY = 0;     // the grab point inside the source
    double pointerX = 0, pointerY = 0;
    Control* over = nullptr;         // the control the drag last passed over
};

struct Pointer {
    Form* form = nullptr;            // where the button went down
    Control* pressed = nullptr;      // null: the background
    int button = 0;
    Drag drag;
};

Pointer& pointer() {
    static Pointer p;
    return p;
}

void forgetPress() {
    Pointer& p = pointer();
    p.form = nullptr;
    p.pressed = nullptr;
    p.button = 0;
}

bool contains(const Control& c, double x, double y) {
    return x >= c.Left && y >= c.Top && x < c.Left + c.Width && y < c.Top + c.Height;
}

// Frontmost first: windowed controls (a frame passes the point on to what it holds), then the light
// controls in their stacking order.
Control* hitIn(const Container& container, double x, double y) {
    const auto& windowed = container.windowedControls();
    for (auto it = windowed.rbegin(); it != windowed.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible || !c->Enabled || !contains(*c, x, y)) continue;
        if (auto* frame = dynamic_cast<Frame*>(c)) {
            Control* inner = hitIn(*frame, x - frame->Left, y - frame->Top);
            return inner ? inner : frame;
        }
        return c;
    }
    const auto& light = container.lightControls();
    for (auto it = light.rbegin(); it != light.rend(); ++it)
        if ((*it)->takesPointer() && contains(**it, x, y)) return *it;
    return nullptr;
}

bool accepts(const Form& form) { return form.isLoaded() && form.Visible && form.Enabled; }

// Outside its client area the window shows nothing: no control lies there (whatever reaches past
// the edge is clipped) and it is not the window's background.
bool inClient(const Form& form, double x, double y) {
    const QWidget* canvas = form.canvas();
    return x >= 0 && y >= 0 && x < canvas->width() * kTwipsPerPixel && y < canvas->height() * kTwipsPerPixel;
}

// The frontmost control under the pointer during a drag; null outside the client area.
Control* dragTarget(Form& form, double x, double y) { return inClient(form, x, y) ? hitTest(form, x, y) : nullptr; }

void showOutline() {
    Drag& d = pointer().drag;
    auto* widget = static_cast<FormWidget*>(d.form->topLevel());
    if (!d.source) {
        widget->showOutline({});
        return;
    }
    const Outline o = dragOutline();
    widget->showOutline(QRectF(o.left, o.top, o.width, o.height));
}

bool sourceAlive() {
    const Drag& d = pointer().drag;
    return d.source && d.source->container() && d.form->isLoaded();
}

void startDrag(Form& form, Control& source, double x, double y) {
    Drag& d = pointer().drag;
    d = Drag{&form, &source, x - source.windowX(), y - source.windowY(), x, y, &source};
    showOutline();
    source.raiseDragOver(source, d.grabX, d.grabY, vbEnter);
    if (!sourceAlive()) cancelDrag();
}

void dragMove(Form& form, double x, double y) {
    Drag& d = pointer().drag;
    d.pointerX = x;
    d.pointerY = y;
    showOutline();
    Control* under = dragTarget(form, x, y);
    Control& source = *d.source;
    if (under != d.over) {
        Control* left = d.over;
        d.over = under;
        if (left) left->raiseDragOver(source, x - left->windowX(), y - left->windowY(), vbLeave);
        if (under && sourceAlive()) under->raiseDragOver(source, x - under->windowX(), y - under->windowY(), vbEnter);
    } else if (under) {
        under->raiseDragOver(source, x - under->windowX(), y - under->windowY(), vbOver);
    }
    if (!sourceAlive()) cancelDrag();
}

void drop(Form& form, double x, double y) {
    Drag d = pointer().drag;
    pointer().drag.source = nullptr;
    showOutline();
    pointer().drag = Drag{};
    Control& source = *d.source;
    if (Control* target = dragTarget(form, x, y)) {
        target->raiseDragDrop(source, x - target->windowX(), y - target->windowY());
    } else if (form.isLoaded() && inClient(form, x, y)) {
        detail::HandlerGuard guard(&form);
        form.Form_DragDrop(source, x, y);
    }
    if (!form.isLoaded()) return;
    detail::HandlerGuard guard(&form);
    form.Form_DragEnded(source);
}

void plainMove(Form& form, double x, double y, int buttons, int shift) {
    Pointer& p = pointer();
    const bool captured = buttons != 0 && p.form == &form;
    Control* target = captured ? p.pressed : hitTest(form, x, y);
    if (target) {
        target->raiseMouseMove(buttons, shift, x - target->windowX(), y - target->windowY());
        return;
    }
    detail::HandlerGuard guard(&form);
    form.Form_MouseMove(buttons, shift, x, y);
}

}  // namespace

Control* hitTest(Form& form, double x, double y) { return hitIn(form, x, y); }

void press(Form& form, double x, double y, int button, int shift) {
    detail::HandlerGuard guard(&form);
    if (dragging() || !accepts(form)) return;
    Control* hit = hitTest(form, x, y);
    if (button == vbLeftButton && hit && hit->DragMode == vbAutomatic && dynamic_cast<Image*>(hit)) {
        // The press names the control first, as a move onto it would, then the drag starts at once.
        hit->raiseMouseMove(button, shift, x - hit->windowX(), y - hit->windowY());
        if (hit->container() && hit->takesPointer() && accepts(form)) startDrag(form, *hit, x, y);
        return;
    }
    Pointer& p = pointer();
    p.form = &form;
    p.pressed = hit;
    p.button = button;
}

void move(Form& form, double x, double y, int buttons, int shift) {
    detail::HandlerGuard guard(&form);
    if (dragging()) {
        if (pointer().drag.form == &form) dragMove(form, x, y);
        return;
    }
    if (!accepts(form)) return;
    plainMove(form, x, y, buttons, shift);
}

void release(Form& form, double x, double y, int button, int shift) {
    (void)shift;
    detail::HandlerGuard guard(&form);
    if (dragging()) {
        if (pointer().drag.form == &form && button == vbLeftButton) drop(form, x, y);
        return;
    }
    Pointer& p = pointer();
    const bool pressedHere = p.form == &form && p.button == button;
    Control* pressed = p.pressed;
    forgetPress();
    if (!pressedHere || !accepts(form) || button != vbLeftButton) return;
    Control* hit = hitTest(form, x, y);
    if (hit != pressed) return;
    if (pressed) {
        pressed->userClick();
        return;
    }
    form.Form_Click();
}

bool dragging() { return pointer().drag.source != nullptr; }

Outline dragOutline() {
    const Drag& d = pointer().drag;
    if (!d.source) return {0, 0, 0, 0};
    return {d.pointerX - d.grabX, d.pointerY - d.grabY, d.source->Width, d.source->Height};
}

void cancelDrag() {
    Drag& d = pointer().drag;
    if (!d.source) return;
    d.source = nullptr;
    if (d.form) showOutline();
    d = Drag{};
}

void forget(const Control* control) {
    Pointer& p = pointer();
    if (p.pressed == control) forgetPress();
    if (p.drag.over == control) p.drag.over = nullptr;
    if (p.drag.source == control) cancelDrag();
}

void forget(const Form* form) {
    Pointer& p = pointer();
    if (p.form == form) forgetPress();
    if (p.drag.form == form) cancelDrag();
}

}  // namespace platform::input
