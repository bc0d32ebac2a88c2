#pragma once

#include "platform/control.h"

#include <cstddef>
#include <string>
#include <string_view>

class QTextBrowser;

// Shows a local HTML page.
namespace platform {

// Qt lays out a word wider than the page by trying it against the line one character at a time,
// so a page of one long word would keep the program busy for minutes: a page's text gets a place to
// break (a zero-width space) after every kLongestWord characters without a blank, which no real
// page has and which shows nothing. Tags, entities, style and script stay as written.
inline constexpr std::size_t kLongestWord = 64;
std::string breakLongWords(std::string_view html);

class WebBrowser : public Control {
public:
    explicit WebBrowser(Container& parent);

    // A program-relative name ("\Data\golf.html") or a full path. A missing page shows a short
    // notice instead.
    void Navigate(std::string_view file);
    // The full path of the page last asked for.
    const std::string& LocationURL() const { return location_; }
    const char* kind() const override { return "WebBrowser"; }

private:
    QTextBrowser* browser_;
    std::string location_;
};

}  // namespace platform
