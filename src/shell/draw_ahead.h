#pragma once

#include "platform/form.h"

namespace shell {

// Draws, while the main window waits for the user, the pictures that windows would otherwise draw on
// their first opening (card faces, the Golf deck, the Towers wood, the Backgammon cube and dice, the
// chooser's icons, the Color Memorization pads). One picture set per turn of the event loop, so the
// main window answers meanwhile.
void drawAhead(platform::Form& main);

}  // namespace shell
