#pragma once

#include "platform/controls.h"
#include "platform/form.h"

#include <string_view>

// The rules viewer: one page at a time, beside whatever window asked for it.
class Form5 : public platform::Form {
public:
    Form5();

    platform::WebBrowser WebBrowser1{*this};
};

namespace shell {
// The viewer's part of `showrules`: navigate to the page file and show the viewer.
void viewrules(std::string_view file);
}  // namespace shell
