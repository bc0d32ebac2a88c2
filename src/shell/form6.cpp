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
    // waits until the main window stands. The user asked for no save: a rollback that cannot be
    // written is said on standard error only, and the next start takes it up again.
    platform::whenShown(main, [] {
        const platform::UntoldWrites quiet;
        shell::matchdeck();
    });
    shell::drawAhead(main);
    Unload();
}
