#include "games/euchre/euchrescore.h"

#include "games/euchre/euchre.h"

#include "common/locks.h"
#include "platform/files.h"

using namespace platform;

euchrescore::euchrescore() {
    Caption = "Score";
    setClientSize(5340, 1725);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    const std::pair<Label*, std::array<double, 2>> labels[] = {
        {&Label1, {240, 240}}, {&Label2, {2880, 240}}, {&Label3, {240, 960}}, {&Label4, {2880, 960}}};
    for (const auto& [label, at] : labels) {
        label->Move(at[0], at[1], 2175, 375);
        label->Font.Name = "Verdana";
        label->Font.Size = 8.25;
    }
    Line1.X1 = 2640;
    Line1.Y1 = 120;
    Line1.X2 = 2640;
    Line1.Y2 = 1560;
    Text1.Move(960, 3120, 2895, 285);
    Text1.Text = "Text1";
}

void euchrescore::Form_Load() {
    common::lockowner(loaded<euchre>());
    showpoints();
}

void euchrescore::showpoints() {
    const euchre* table = loaded<euchre>();
    if (!table) return;
    Label1.Caption = table->Label11.Caption + "/" + table->Label12.Caption.get();
    Label2.Caption = table->Label13.Caption + "/" + table->Label14.Caption.get();
    Label3.Caption = table->Text4.Text.get();
    Label4.Caption = table->Text5.Text.get();
}

void euchrescore::Form_Unload(int&) {
    euchre* table = loaded<euchre>();
    common::releaseowner(table);
    const std::string flag = Text1.Text;
    Text1.Text = "Text1";
    if (!table) return;
    if (flag == "DONE") {
        Hide();
        const int dealer = toInt(table->Text6.Text.get());
        if (dealer >= 1 && dealer <= 4) table->Text6.Text = std::to_string(dealer % 4 + 1);
        table->startup();
        table->sstart();
    } else if (flag == "OVER") {
        Hide();
        table->nnew();
    }
}
