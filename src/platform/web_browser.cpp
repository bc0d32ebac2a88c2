#include "platform/web_browser.h"

#include "platform/registry.h"
#include "platform/services.h"

#include <QTextBrowser>
#include <QUrl>

namespace platform {

WebBrowser::WebBrowser(Container& parent) : Control(parent, Layer::Windowed), browser_(new QTextBrowser(parent.canvas())) {
    browser_->setOpenLinks(false);
    QObject::connect(browser_, &QTextBrowser::anchorClicked, browser_, [this](const QUrl& url) {
        if (url.isLocalFile() || url.isRelative()) {
            Navigate(browser_->source().resolved(url).toLocalFile().toStdString());
            return;
        }
        openBrowser(url.toString().toStdString());
    });
    attachWidget(browser_);
}

void WebBrowser::Navigate(std::string_view file) {
    const std::filesystem::path path = detail::filePath(file);
    location_ = path.string();
    if (!std::filesystem::exists(path)) {
        browser_->setHtml(QStringLiteral("<p>This page cannot be shown.</p>"));
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(location_)));
}

}  // namespace platform
