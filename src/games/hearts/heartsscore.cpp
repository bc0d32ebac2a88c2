#include "games/hearts/heartsscore.h"

#include "games/hearts/hearts.h"
#include "games/hearts/hearts_deal.h"

#include "common/locks.h"
#include "common/mainwindow.h"

using namespace platform;

heartsscore::heartsscore() {
    Caption = "Hearts Score";
    Width = 2745 + 120;   // the inside plus the borders and title bar
    Height = 2955 + 405;
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    const char* captions[] = {"Comp #1:", "Comp #2:", "Comp #3:", "Comp #4:"};
    Label* lines[] = {&Label1, &Label2, &Label3, &Label4};
    for (int k = 0; k < 4; ++k) {
        lines[k]->Caption = captions[k];
        lines[k]->Move(240, 240 + 720 * k, 3495, 375);
        lines[k]->Font.Name = "Verdana";
        lines[k]->Font.Size = 8.25;
    }
}

void heartsscore::Form_Load() {
    common::lockowner(loaded<hearts>());
    showtotals();
}

void heartsscore::showtotals() {
    const hearts* table = loaded<hearts>();
    if (!table) return;
    Label1.Caption = table->Label6.Caption + ": " + table->Label1.Caption;
    Label2.Caption = table->Label7.Caption + ": " + table->Label2.Caption;
    Label3.Caption = common::playername() + ": " + table->Label3.Caption.get();
    Label4.Caption = table->Label8.Caption + ": " + table->Label4.Caption;
}

void heartsscore::Form_Unload(int&) {
    common::releaseowner(loaded<hearts>());
    nexthand();
}

// Only a finished hand deals the next: a trick that ended while the totals were looked at from
// the menu leaves its hand to be played on.
void heartsscore::nexthand() {
    hearts* table = loaded<hearts>();
    if (!table || table->Text4.Text != "D" || table->handinplay()) return;
    table->Command1.Visible = true;
    Hide();
    table->Command1.Enabled = false;
    table->setcards();
    table->setcardbacks();
    table->Command1.Caption = std::string(heartsrules::captionOfPassText(table->Text1.Text.get()));
    if (table->Command1.Caption.get() != heartsrules::passCaption(4)) return;
    table->Command1.Enabled = true;
    table->Enabled = true;
}
