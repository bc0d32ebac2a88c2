#include "shell/form5.h"

Form5::Form5() {
    Caption = "Game Rules";
    setClientSize(5070, 5700);
    StartUpPosition = platform::vbStartUpScreen;

    WebBrowser1.Move(120, 120, 4815, 5295);
}

namespace shell {

void viewrules(std::string_view file) {
    Form5& viewer = platform::window<Form5>();
    viewer.WebBrowser1.Navigate(file);
    viewer.Show();
}

}  // namespace shell
