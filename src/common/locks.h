#pragma once

namespace platform {
class Form;
}

// `lockowner`: a window that must be finished first disables its owner, and enables it once when it
// unloads. The owner is enabled again once no loaded window that locked it still holds it: the
// log-in window closing beside an open game leaves the main window to the game (platform::lockWindow).
namespace common {

void lockowner(platform::Form& owner);
void releaseowner(platform::Form& owner);
// An owner that is not loaded (null) is left alone. Release with platform::loaded<T>(), never
// platform::window<T>(): touching an owner that is unloading would load a fresh one.
void lockowner(platform::Form* owner);
void releaseowner(platform::Form* owner);

// The main window, when it is loaded.
void lockmain();
void releasemain();

}  // namespace common
