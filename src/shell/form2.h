#pragma once

#include "platform/controls.h"
#include "platform/form.h"

namespace shell {
struct GameEntry;
}

// The game chooser: a tree of the games; a game's picture starts it, its label shows its rules.
class Form2 : public platform::Form {
public:
    Form2();

    platform::ImageList ImageList1{*this};
    platform::Frame Frame1{*this};
    platform::TreeView TreeView1{Frame1};
    platform::Frame Frame2{*this};

    // The games' pictures, in the chooser's order.
#define GP_GAME(key, group, text, picture, ...) platform::Image picture{Frame2};
#include "core/gamelist.def"
    platform::Label Label1{Frame2};

    // The picture control of a game in the catalog.
    platform::Image& picture(const shell::GameEntry& game);

private:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void TreeView1_Click();
    void TreeView1_KeyUp(int KeyCode, int Shift);
    void Label1_Click();
    void picture_Click(const shell::GameEntry& game);
    void stuff();
    void filltree();
    void scaleall();
};
