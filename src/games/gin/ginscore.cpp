#include "games/gin/ginscore.h"

#include "common/locks.h"

using namespace platform;

namespace {

GinScoreTable& owner() {
    static GinScoreTable connected;
    return connected;
}

Form* table() { return owner().loaded ? owner().loaded() : nullptr; }

void designLabel(Label& label, const char* caption, double left, double top, double width = 1215) {
    label.Caption = caption;
    label.Move(left, top, width, 255);
    label.Font.Name = "Verdana";
    label.Font.Size = 8.25;
}

}  // namespace

ginscore::ginscore() {
    Caption = "Gin Rummy Score";
    setClientSize(4935, 2475);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    designLabel(Label1, "Label1", 1800, 360);
    designLabel(Label2, "Label1", 3480, 360);
    designLabel(Label3, "Score:", 120, 960, 1695);
    designLabel(Label6, "Label1", 1920, 960);
    designLabel(Label8, "Label1", 3480, 960);
    designLabel(Label4, "Unmatched:", 120, 1800, 1695);
    designLabel(Label5, "Label1", 1920, 1800);
    designLabel(Label7, "", 3480, 1800);
    Label3.Font.Bold = true;
    Label4.Font.Bold = true;
    Line1.X1 = 3240, Line1.Y1 = 480, Line1.X2 = 3240, Line1.Y2 = 2280;
    Line2.X1 = 120, Line2.Y1 = 1440, Line2.X2 = 4920, Line2.Y2 = 1440;
}

void ginscore::connect(GinScoreTable table) { owner() = std::move(table); }

void ginscore::Form_Load() {
    common::lockowner(table());
    if (table()) showvalues(owner().values());
}

void ginscore::showvalues(const GinScoreValues& values) {
    Label1.Caption = values.username;
    Label2.Caption = values.computername;
    Label5.Caption = values.userunmatched;
    Label6.Caption = values.usertotal;
    Label8.Caption = values.computertotal;
}

// The next hand is dealt once this window has gone: a deal that ends its hand at once opens a
// fresh score window, which must not be this one on its way out.
void ginscore::Form_Unload(int&) {
    common::releaseowner(table());
    if (!dealsnext || !table()) return;
    platform::afterHandler([] {
        if (table()) owner().nexthand();
    });
}
