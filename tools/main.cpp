#include "contact_sheet.h"
#include "layout.h"

#include <QGuiApplication>

#include <cstdio>
#include <string_view>

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: gp_layout --program-folder DIR --assets DIR\n"
                 "       gp_layout --contact-sheet OUT.png\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing text needs fonts, and fonts need a GUI application; the build has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 3 && first == "--contact-sheet")
        return layout::contactSheet().save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
    if (argc == 5 && first == "--program-folder" && std::string_view(argv[3]) == "--assets")
        return layout::layOutProgramFolder(argv[2], argv[4]) ? 0 : 1;
    return usage();
}
