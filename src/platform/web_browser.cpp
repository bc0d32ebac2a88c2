#include "platform/web_browser.h"

#include "platform/file_reader.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <cctype>
#include <string>
#include <string_view>

namespace platform {
namespace {

const QString kNotShown = QStringLiteral("<p>This page cannot be shown.</p>");

bool startsWithName(std::string_view text, std::string_view name) {
    if (text.size() < name.size()) return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(text[k])) != name[k]) return false;
    return text.size() == name.size() || !std::isalnum(static_cast<unsigned char>(text[name.size()]));
}

// Where the element whose start tag ends at `from` ends, for a style or script element, whose text
// is not laid out and must stay as written; `from` otherwise.
std::size_t pastRawText(std::string_view html, std::size_t tagStart, std::size_t from) {
    const std::string_view name = html.substr(tagStart + 1);
    for (const std::string_view raw : {std::string_view("style"), std::string_view("script")}) {
        if (!startsWithName(name, raw)) continue;
        for (std::size_t end = html.find("</", from); end != std::string_view::npos; end = html.find("</", end + 2))
            if (startsWithName(html.substr(end + 2), raw)) return end;
        return html.size();
    }
    return from;
}

}  // namespace

std::string breakLongWords(std::string_view html) {
    constexpr std::string_view kBreak = "&#8203;";  // a zero-width space: a place to break, unseen
    std::string out;
    out.reserve(html.size() + html.size() / kLongestWord * kBreak.size());
    std::size_t run = 0;        // characters since a blank or a tag
    std::size_t entity = 0;     // characters into an entity ("&amp;"), which must stay whole
    for (std::size_t k = 0; k < html.size();) {
        const char c = html[k];
        if (c == '<') {
            const std::size_t close = html.find('>', k);
            const std::size_t end = close == std::string_view::npos ? html.size() : close + 1;
            const std::size_t next = pastRawText(html, k, end);
            out.append(html.substr(k, next - k));
            k = next;
            run = entity = 0;
            continue;
        }
        ++k;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            out += c;
            run = entity = 0;
            continue;
        }
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {  // the rest of a UTF-8 character
            out += c;
            continue;
        }
        if (c == '&') entity = 1;
        if (run >= kLongestWord && entity <= 1) {
            out += kBreak;
            run = 0;
        }
        out += c;
        ++run;
        if (entity > 0 && (c == ';' || ++entity > 12)) entity = 0;
    }
    return out;
}

namespace {

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
        auto bytes = readBytes(url.toLocalFile().toStdString(), kind);
        if (!bytes) return QByteArray();
        if (type == QTextDocument::HtmlResource) bytes = breakLongWords(*bytes);
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
