#include "shell/hooks.h"

#include "common/mainwindow.h"
#include "common/rules.h"
#include "shell/form1.h"
#include "shell/form5.h"

namespace shell {

void connect() {
    common::setmainwindow({
        .loaded = []() -> platform::Form* { return platform::loaded<Form1>(); },
        .username = []() -> std::string {
            const Form1* main = platform::loaded<Form1>();
            return main ? main->Label1.Caption.get() : std::string(common::kGuest);
        },
    });
    common::setrulesviewer([](const std::string& file) { viewrules(file); });
}

}  // namespace shell
