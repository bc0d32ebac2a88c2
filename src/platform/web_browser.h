#pragma once

#include "platform/control.h"

#include <string>
#include <string_view>

class QTextBrowser;

// Shows a local HTML page.
namespace platform {

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
