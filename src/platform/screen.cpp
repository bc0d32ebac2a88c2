#include "platform/services.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {
namespace {

std::optional<ScreenSize>& screenOverride() {
    static std::optional<ScreenSize> size;
    return size;
}

// The design size of every window, used when no screen can be asked.
constexpr ScreenSize kDesignScreen{1024, 768};

}  // namespace

ScreenSize screenSize() {
    if (screenOverride()) return *screenOverride();
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (!screen) return kDesignScreen;
    return {screen->size().width(), screen->size().height()};
}

void setScreenSize(std::optional<ScreenSize> size) { screenOverride() = size; }

bool screenSizeSet() { return screenOverride().has_value(); }

}  // namespace platform
