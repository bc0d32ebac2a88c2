#include "shell/form2.h"

#include "art/chooser.h"
#include "common/locks.h"
#include "common/rules.h"
#include "common/scaling.h"
#include "shell/catalog.h"
#include "shell/form1.h"

#include <string_view>

namespace {

struct PictureDesign {
    std::string_view name;
    platform::Image Form2::*control;
    double left, top, width, height;
};

constexpr PictureDesign kPictures[] = {
#define GP_GAME(key, group, text, picture, pictureWidth, pictureHeight, left, top, width, height, ...) \
    {#picture, &Form2::picture, left, top, width, height},
#include "core/gamelist.def"
};

constexpr int kGroupPictures = 3;

}  // namespace

Form2::Form2() {
    Caption = "Select Game (Click Picture to Play Game)";
    Move(1380, 1515, 9945, 5790);
    // The two frames reach 5535 twips down: the client area holds them, with a margin below.
    setClientSize(ScaleWidth(), 5655);
    StartUpPosition = platform::vbStartUpScreen;

    for (int number = 1; number <= kGroupPictures; ++number) ImageList1.Add(art::treeIcon(number));

    Frame1.Move(120, 240, 4575, 5295);
    TreeView1.Move(120, 240, 4335, 4935);
    TreeView1.Font.Name = "Verdana";
    TreeView1.Font.Size = 8.25;
    TreeView1.Images = &ImageList1;
    Frame2.Move(4800, 240, 4935, 5295);

    for (const PictureDesign& design : kPictures) {
        platform::Image& pic = this->*design.control;
        pic.Move(design.left, design.top, design.width, design.height);
        pic.Stretch = true;
        pic.Visible = false;
        pic.MousePointer = platform::vbCustom;
    }
    for (const shell::GameEntry& game : shell::games())
        picture(game).Click = [this, &game] { picture_Click(game); };

    Label1.Move(120, 4200, 4695, 975);
    Label1.Caption = "Game Rules";
    Label1.Visible = false;
    Label1.Font.Name = "Verdana";
    Label1.Font.Size = 12;
    Label1.Font.Bold = true;
    Label1.Font.Underline = true;
    Label1.ForeColor = platform::RGB(192, 0, 0);
    Label1.Alignment = platform::vbCenter;
    Label1.BackStyle = platform::vbTransparent;
    Label1.MousePointer = platform::vbCustom;

    on(TreeView1.Click, &Form2::TreeView1_Click);
    on(TreeView1.KeyUp, &Form2::TreeView1_KeyUp);
    on(Label1.Click, &Form2::Label1_Click);
}

platform::Image& Form2::picture(const shell::GameEntry& game) {
    for (const PictureDesign& design : kPictures)
        if (design.name == game.picture) return this->*design.control;
    throw std::logic_error("the chooser has no picture " + std::string(game.picture));
}

void Form2::Form_Load() {
    filltree();
    scaleall();
}

void Form2::filltree() {
    for (const shell::GroupEntry& group : shell::groups()) {
        TreeView1.Add(std::string(group.key), std::string(group.text), group.picture, group.picture);
        for (const shell::GameEntry& game : shell::games()) {
            if (game.group != group.key) continue;
            TreeView1.Add(game.group, platform::tvwChild, std::string(game.key), std::string(game.text),
                          group.picture, group.picture);
        }
    }
    for (const shell::GroupEntry& group : shell::groups()) TreeView1.find(group.key)->Expanded = true;
}

void Form2::scaleall() {
    core::ScaleChoice choice = common::setscale(*this, {0.78f, 0.9f});
    if (core::smallscreen(choice)) {
        Label1.Font.Size = 10;
        TreeView1.Font.Size = 7;
    }
    for (const PictureDesign& design : kPictures) common::scaleit(this->*design.control, choice.scale);
    common::scaleit(*this, choice.scale);
    common::scaleit(Frame1, choice.scale);
    common::scaleit(Frame2, choice.scale);
    common::scaleit(Label1, choice.scale);
    common::scaleit(TreeView1, choice.scale);
}

void Form2::Form_Activate() {
    if (Form1* main = platform::loaded<Form1>()) main->Label3.Caption = "";
    ZOrder(0);
}

void Form2::Form_Unload(int&) { common::releasemain(); }

void Form2::TreeView1_Click() { stuff(); }

void Form2::TreeView1_KeyUp(int, int) { stuff(); }

// Shows the selected game's picture and rules label; a group keeps what was shown.
void Form2::stuff() {
    const platform::Node* selected = TreeView1.SelectedItem();
    if (!selected) return;
    const std::string& text = selected->Text;
    if (!shell::groupByText(text))
        for (const PictureDesign& design : kPictures) (this->*design.control).Visible = false;
    if (const shell::GameEntry* game = shell::gameByText(text)) {
        platform::Image& pic = picture(*game);
        // Drawn when first shown: drawing all twenty-four at load would hold the chooser back.
        if (!pic.Picture.get()) pic.Picture = art::gamePicture(game->picture);
        pic.Visible = true;
        Label1.Caption = std::string(game->caption);
    }
    Label1.Visible = true;
}

void Form2::Label1_Click() {
    if (const shell::GameEntry* game = shell::gameByCaption(Label1.Caption.get())) common::showrules(game->page);
}

// The game window loads and shows while the chooser is still on screen; then the chooser goes.
void Form2::picture_Click(const shell::GameEntry& game) {
    if (!game.open) return;
    Frame2.Enabled = false;
    game.open();
    Unload();
}
