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

    platform::TextBox txtres{*this};
    platform::ImageList ImageList1{*this};
    platform::Frame Frame1{*this};
    platform::TreeView TreeView1{Frame1};
    platform::Frame Frame2{*this};

    platform::Image spadespic{Frame2};
    platform::Image heartspic{Frame2};
    platform::Image crazy8spic{Frame2};
    platform::Image warpic{Frame2};
    platform::Image euchrepic{Frame2};
    platform::Image ginpic{Frame2};
    platform::Image compmemorysmallpic{Frame2};
    platform::Image compmemorybigpic{Frame2};
    platform::Image cardmemscorepic{Frame2};
    platform::Image interlockpuzzlepic{Frame2};
    platform::Image nestorpic{Frame2};
    platform::Image calculationpic{Frame2};
    platform::Image golfpic{Frame2};
    platform::Image fortythievespic{Frame2};
    platform::Image accordionpic{Frame2};
    platform::Image backgammonpic{Frame2};
    platform::Image colorpic{Frame2};
    platform::Image foreaftpic{Frame2};
    platform::Image tictactoepic{Frame2};
    platform::Image towers1pic{Frame2};
    platform::Image towers2pic{Frame2};
    platform::Image towers3pic{Frame2};
    platform::Image seawarpic{Frame2};
    platform::Image hangmanpic{Frame2};
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
