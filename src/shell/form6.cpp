#include "shell/form6.h"

#include "core/chance.h"
#include "platform/files.h"
#include "platform/when_shown.h"
#include "shell/deck_files.h"
#include "shell/draw_ahead.h"
#include "shell/form1.h"
#include "shell/hooks.h"

void Form6::Form_Load() {
    platform::openProgramFolder();
    shell::connect();
    core::Randomize();
    Form1& main = platform::window<Form1>();
    main.Show();
    // Nothing reads the deck pictures before the user chooses a game or a deck, so checking them
    // waits until the main window stands, or until the first such choice.
    shell::deferdeckcheck();
    platform::whenShown(main, [] { shell::finishdeckcheck(); });
    shell::drawAhead(main);
    Unload();
}
