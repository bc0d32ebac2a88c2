// The floor of any Qt Widgets program on this machine: a maximized main window with a bar of
// three menus, nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Floor");
    for (const char* title : {"File", "View", "Help"}) window.menuBar()->addMenu(title)->addAction("Item");
    // Covers the screen even where no window manager maximizes it, as the game pack's main window does.
    window.resize(window.screen()->size());
    window.showMaximized();
    return QApplication::exec();
}
