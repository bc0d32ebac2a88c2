#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <filesystem>

// The platform's own bookkeeping behind windows and controls: the handler guard, work posted for
// after the current handler, deferred disposal and the activation model.
namespace platform {
class Control;
class Form;
}  // namespace platform

namespace platform::detail {

// Marks "inside a handler": what is unloaded meanwhile is destroyed only after the outermost
// handler has returned, and posted work runs then.
// A guard given a window also makes it the window in charge: a window it disables is held by it.
class HandlerGuard {
public:
    explicit HandlerGuard(Form* inCharge = nullptr);
    ~HandlerGuard();
    HandlerGuard(const HandlerGuard&) = delete;
    HandlerGuard& operator=(const HandlerGuard&) = delete;

private:
    bool charged_;
};
bool inHandler();
// Counts the outermost handlers: one user action, its handlers nested inside, has one number.
std::uint64_t currentAction();
void enterHandler();
void leaveHandler();
void takeCharge(Form* form);  // null leaves the window in charge as it is
void leaveCharge(Form* form);

// Runs the posted work (activation, disposal, the end of the program) from the event loop.
void schedulePosted();

void disposeFormLater(std::unique_ptr<Form> form);

// The activation model.
void requestActivation(Form& form);  // becomes active after the current handler
void formHidden(Form& form);
void formUnloaded(Form& form);       // takes it out of the registry and disposes of it
void userActivated(Form& form);      // the user clicked into it or switched to it
void formEnabled(Form& form, bool enabled);
bool followsUserActivation();

// A file name as the windows give it: program-relative ("\Images\x.gif", "/Data/x.dat"), the
// program folder followed by such a name, or a full path of its own.
std::filesystem::path filePath(std::string_view name);

}  // namespace platform::detail
