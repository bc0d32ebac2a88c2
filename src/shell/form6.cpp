#include "shell/form6.h"

#include "platform/chance.h"
#include "shell/form1.h"
#include "shell/hooks.h"

void Form6::Form_Load() {
    shell::connect();
    platform::Randomize();
    platform::window<Form1>().Show();
    Unload();
}
