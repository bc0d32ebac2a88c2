#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <string>
#include <vector>

// The log-in window: the list of users, and the name every game shows.
class Form3 : public platform::Form {
public:
    Form3();

    platform::ListBox List1{*this};
    platform::CommandButton Command1{*this};  // Add User
    platform::CommandButton Command2{*this};  // Remove
    platform::CommandButton Command3{*this};  // Log In

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void List1_DblClick();
    // The user count is always the number of names listed.
    int usercount() const { return List1.ListCount(); }
    std::vector<std::string> listed() const;
    void setfonts(double size);
};
