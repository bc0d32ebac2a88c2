#include "shell/form3.h"

#include "common/locks.h"
#include "common/scaling.h"
#include "common/users.h"
#include "platform/boxes.h"
#include "shell/form1.h"

Form3::Form3() {
    Caption = "Log in";
    Move(4770, 435, 4050, 5520);
    // The client area holds the Log In button with a margin below it, also once scaled down.
    setClientSize(ScaleWidth(), 5535);

    List1.Move(240, 240, 3495, 3570);
    Command1.Move(240, 3960, 1695, 495);
    Command1.Caption = "Add User";
    Command2.Move(2040, 3960, 1695, 495);
    Command2.Caption = "Remove";
    Command3.Move(240, 4680, 3495, 495);
    Command3.Caption = "Log In";
    setfonts(8.25);

    on(Command1.Click, &Form3::Command1_Click);
    on(Command2.Click, &Form3::Command2_Click);
    on(Command3.Click, &Form3::Command3_Click);
    on(List1.DblClick, &Form3::List1_DblClick);
}

void Form3::setfonts(double size) {
    for (platform::StyledControl* control : std::initializer_list<platform::StyledControl*>{
             &List1, &Command1, &Command2, &Command3}) {
        control->Font.Name = "Verdana";
        control->Font.Size = size;
    }
}

void Form3::Form_Load() {
    common::lockmain();
    for (const std::string& name : common::loadusersmended()) List1.AddItem(name);

    const core::ScaleChoice choice = common::setscale(*this, {0.63f, 0.78f});
    if (core::smallscreen(choice)) setfonts(7);
    common::scaleit(*this, choice.scale);
    common::scaleit(List1, choice.scale);
    common::scaleit(Command1, choice.scale);
    common::scaleit(Command2, choice.scale);
    common::scaleit(Command3, choice.scale);
}

// The list is saved even when empty, so that removing every user sticks.
void Form3::Form_Unload(int&) {
    common::saveusers(listed());
    common::releasemain();
}

void Form3::Command1_Click() {
    const std::string answer = platform::InputBox("Enter Your Name", "Enter Name", "");
    if (common::acceptablename(answer, listed())) List1.AddItem(answer);
}

void Form3::Command2_Click() {
    if (List1.ListIndex < 0) return;
    List1.RemoveItem(List1.ListIndex);
}

void Form3::Command3_Click() {
    if (usercount() < 1) return;
    if (List1.Text().empty()) {
        platform::MsgBox("Select a User", platform::vbOKOnly + platform::vbInformation, "Error");
        return;
    }
    if (Form1* main = platform::loaded<Form1>()) main->Label1.Caption = List1.Text();
    Unload();
}

void Form3::List1_DblClick() { Command3_Click(); }

std::vector<std::string> Form3::listed() const {
    std::vector<std::string> names;
    for (int i = 0; i < List1.ListCount(); ++i) names.push_back(List1.List(i));
    return names;
}
