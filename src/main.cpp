#include "art/icons.h"
#include "platform/form.h"
#include "shell/form6.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program ends when its last visible window goes, not when Qt's last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::setProgramIcon(art::programIcon(64));
    const art::CursorArt cursor = art::gameCursor();
    platform::setProgramCursor(cursor.pixmap, cursor.hotSpot.x(), cursor.hotSpot.y());

    platform::window<Form6>();
    const int code = QApplication::exec();
    platform::unloadAll();
    return code;
}
