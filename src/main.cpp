#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Tolvane Game Pack v 1.0");
    window.show();
    return app.exec();
}
