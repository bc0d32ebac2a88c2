#pragma once

#include <functional>

namespace platform {

class Form;

// Runs the call once the window system's waiting events are handled (the window just shown is mapped
// and painted first): work the first sight of the window does not need. Never if the window goes first.
void whenShown(Form& form, std::function<void()> call);
// As whenShown, but not before the window has painted for the first time: longer work, which would
// otherwise delay the window's mapping and first paint when the window system answers late.
void whenPainted(Form& form, std::function<void()> call);
// Whether such work still waits (a measurement lets it finish, as a user's first click would).
bool shownWorkWaits();

}  // namespace platform
