#include "platform/services.h"

#include "platform/files.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <iostream>

namespace platform {
namespace {

std::function<void(const std::string&)>& browserHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

QUrl urlFor(std::string_view address) {
    const QString text = QString::fromUtf8(address.data(), qsizetype(address.size())).trimmed();
    if (text.startsWith('\\'))
        return QUrl::fromLocalFile(QString::fromStdString(resolve(text.toStdString()).string()));
    return QUrl::fromUserInput(text);
}

}  // namespace

std::string browserUrl(std::string_view address) {
    return urlFor(address).toString(QUrl::FullyEncoded).toStdString();
}

void openBrowser(std::string_view address) {
    if (const auto hook = browserHook()) {
        hook(std::string(address));
        return;
    }
    const QUrl url = urlFor(address);
    // No browser is not the program's fault: say so where a developer looks, and carry on.
    if (!url.isValid() || !QDesktopServices::openUrl(url))
        std::cerr << "gamepack: cannot open " << url.toString().toStdString() << " in the browser\n";
}

void setBrowserHook(std::function<void(const std::string&)> hook) { browserHook() = std::move(hook); }

}  // namespace platform
