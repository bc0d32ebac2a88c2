#pragma once

namespace platform {
class Form;
}

// `lockowner`: a window that must be finished first disables its owner, and enables it once when it
// unloads. Locks are not counted: any release enables the owner, whoever locked it.
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
