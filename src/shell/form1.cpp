#include "shell/form1.h"


#include "common/rules.h"
#include "common/scaling.h"
#include "platform/boxes.h"
#include "platform/files.h"
#include "platform/services.h"
#include "shell/deck_files.h"
#include "shell/form2.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "shell/form5.h"
#include "shell/form6.h"

#include <string_view>

namespace {

struct RulebookItem {
    platform::Menu Form1::*item;
    std::string_view page;
};

// Each game's item opens its page; games that share an item share their page too.
constexpr RulebookItem kRulebook[] = {
#define GP_GAME(key, group, text, picture, pictureWidth, pictureHeight, left, top, width, height, painter, window, \
                caption, page, rulebook)                                                                      \
    {&Form1::rulebook, page},
#include "core/gamelist.def"
};

// The program has no web site of its own: Help shows the pages that come with it.
constexpr std::string_view kAboutPage = "\\Data\\about.html";
constexpr std::string_view kContactPage = "\\Data\\contact.html";

}  // namespace

Form1::Form1() {
    Caption = "Tolvane Game Pack v 1.0";
    setClientSize(11010, 7575);
    BackColor = platform::RGB(0, 64, 64);
    MinButton = true;
    MaxButton = true;
    Sizable = true;
    WindowState = platform::vbMaximized;

    Label3.Move(4560, 4080, 6255, 1215);
    Label3.Caption = "Loading Game List...";
    Label3.Font.Name = "Verdana";
    Label3.Font.Size = 15.75;
    Label3.Alignment = platform::vbCenter;
    Label3.ForeColor = platform::RGB(255, 255, 0);
    Label3.BackColor = platform::RGB(0, 64, 64);

    Label1.Move(1080, 120, 2775, 255);
    Label1.Caption = "Guest";
    Label1.Visible = false;

    on(selectgame.Click, &Form1::selectgame_Click);
    on(change.Click, &Form1::change_Click);
    on(changedeck.Click, &Form1::changedeck_Click);
    on(exit.Click, &Form1::exit_Click);
    on(website.Click, &Form1::website_Click);
    on(con.Click, &Form1::con_Click);
    for (const RulebookItem& entry : kRulebook)
        (this->*entry.item).Click = [page = entry.page] { common::showrules(page); };
}

void Form1::Form_Load() {
    core::ScaleChoice choice = common::setscale(*this, {0.63f, 0.78f});
    scale = choice.scale;
    if (core::smallscreen(choice)) Label3.Font.Size = Label3.Font.Size - 1;
    Label3.Caption = "";
    common::scaleit(Label3, scale);
}

void Form1::Form_Unload(int&) {
    platform::unload<Form2>();
    platform::unload<Form6>();
    platform::unload<Form3>();
    platform::unload<Form4>();
    platform::unload<Form5>();
}

void Form1::selectgame_Click() {
    Label3.Caption = "Loading Game List...";
    shell::finishdeckcheck();
    platform::window<Form2>().Show();
}

void Form1::change_Click() { platform::window<Form3>().Show(); }

void Form1::changedeck_Click() {
    shell::finishdeckcheck();
    platform::window<Form4>().Show();
}

void Form1::exit_Click() { Unload(); }

void Form1::website_Click() { showpage(kAboutPage); }

void Form1::con_Click() { showpage(kContactPage); }

// Without a browser the page is still on disk: the user is told where, to open it some other way.
void Form1::showpage(std::string_view page) {
    if (platform::openBrowser(page)) return;
    platform::MsgBox(shell::nobrowsertext(platform::resolve(page)), platform::vbOKOnly + platform::vbExclamation,
                     "No Browser");
}

namespace shell {

std::string nobrowsertext(const std::filesystem::path& page) {
    return "No web browser could be started to show \"" + page.string() + "\".\nOpen that file in a browser to read it.";
}

}  // namespace shell
