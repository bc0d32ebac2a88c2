#include "art/icons.h"
#include "platform/form.h"
#include "platform/when_shown.h"
#include "shell/form1.h"
#include "shell/form6.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program ends when its last visible window goes, not when Qt's last window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    platform::window<Form6>();
    // The icon and the cursor are drawn once the main window stands: the window system shows the
    // icon when it comes, and no control of the main window asks for the cursor.
    if (Form1* main = platform::loaded<Form1>())
        platform::whenShown(*main, [] {
            platform::setProgramIcon(art::programIcon(64));
            const art::CursorArt cursor = art::gameCursor();
            platform::setProgramCursor(cursor.pixmap, cursor.hotSpot.x(), cursor.hotSpot.y());
        });
    const int code = QApplication::exec();
    platform::unloadAll();
    return code;
}
