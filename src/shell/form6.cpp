#include "shell/form6.h"

#include "core/chance.h"
#include "platform/files.h"
#include "shell/deck_files.h"
#include "shell/form1.h"
#include "shell/hooks.h"

void Form6::Form_Load() {
    platform::openProgramFolder();
    shell::matchdeck();
    shell::connect();
    core::Randomize();
    platform::window<Form1>().Show();
    Unload();
}
