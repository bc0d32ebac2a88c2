#include "platform/boxes.h"
#include "platform/form.h"

#include <QApplication>

namespace {

// Stands in for the main window until the shell provides it.
class MainWindow : public platform::Form {
public:
    MainWindow() {
        Caption = platform::kProgramTitle;
        MinButton = true;
        MaxButton = true;
        Sizable = true;
        BackColor = platform::RGB(0, 64, 64);
        WindowState = platform::vbMaximized;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program ends when its last visible window goes, not when Qt's last window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::window<MainWindow>().Show();
    const int code = QApplication::exec();
    platform::unloadAll();
    return code;
}
