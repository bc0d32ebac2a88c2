#include "platform/services.h"

#include "platform/files.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

#include <iostream>

namespace platform {
namespace {

std::function<bool(const std::string&)>& browserHook() {
    static std::function<bool(const std::string&)> hook;
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

bool openBrowser(std::string_view address) {
    if (const auto hook = browserHook()) return hook(std::string(address));
    const QUrl url = urlFor(address);
    if (url.isValid() && QDesktopServices::openUrl(url)) return true;
    std::cerr << "gamepack: cannot open " << url.toString().toStdString() << " in the browser\n";
    return false;
}

void setBrowserHook(std::function<bool(const std::string&)> hook) { browserHook() = std::move(hook); }

}  // namespace platform
