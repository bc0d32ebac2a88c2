#pragma once

// The one routing of pointer input: the client-area widgets feed it from Qt's mouse events, and
// the test gestures feed it the same way. Points are in twips in the window's client area.
namespace platform {

class Control;
class Form;

namespace input {

// The frontmost control under the point that takes pointer events; null for the background.
Control* hitTest(Form& form, double x, double y);

void press(Form& form, double x, double y, int button, int shift = 0);
void move(Form& form, double x, double y, int buttons = 0, int shift = 0);
void release(Form& form, double x, double y, int button, int shift = 0);

bool dragging();
// Where the drag outline lies now, in twips in the client area of the dragging window.
struct Outline { double left, top, width, height; };
Outline dragOutline();
// Ends a drag at once (its window or source goes away), without a drop.
void cancelDrag();
// A control or window is going away: forget every reference to it.
void forget(const Control* control);
void forget(const Form* form);

}  // namespace input
}  // namespace platform
