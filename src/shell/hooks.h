#pragma once

// Makes the shell's windows known to the shared helpers: the main window (its lock and the user's
// name) and the rules viewer. The games reach both only through those helpers.
namespace shell {
void connect();
}  // namespace shell
