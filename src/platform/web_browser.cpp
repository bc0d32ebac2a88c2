#include "platform/web_browser.h"

#include "platform/file_reader.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

namespace platform {
namespace {

const QString kNotShown = QStringLiteral("<p>This page cannot be shown.</p>");

// Reads a page and what it refers to (stylesheet, pictures) the platform's safe way, so a folder, a
// named pipe or a huge file in their place never stops the program.
class PageView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    // What cannot be read gives no bytes rather than nothing: given nothing, the document would
    // open the file itself, and wait on a named pipe for good.
    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile()) return QByteArray();
        const FileKind kind = type == QTextDocument::ImageResource ? FileKind::Picture : FileKind::Page;
        const auto bytes = readBytes(url.toLocalFile().toStdString(), kind);
        if (!bytes) return QByteArray();
        return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
};

}  // namespace

WebBrowser::WebBrowser(Container& parent) : Control(parent, Layer::Windowed), browser_(new PageView(parent.canvas())) {
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
    const detail::FileReader page(path, FileKind::Page);
    if (page.status() != detail::FileReader::Status::Open) {
        page.report("show page");
        browser_->setHtml(kNotShown);
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(location_)));
}

}  // namespace platform
