#include "common/rules.h"

namespace common {
namespace {

std::function<void(const std::string&)>& viewer() {
    static std::function<void(const std::string&)> current;
    return current;
}

}  // namespace

void setrulesviewer(std::function<void(const std::string& file)> newViewer) { viewer() = std::move(newViewer); }

std::string rulesfile(std::string_view page) {
    std::string file = "\\Data\\";
    file += page;
    file += ".html";
    return file;
}

void showrules(std::string_view page) {
    if (viewer()) viewer()(rulesfile(page));
}

}  // namespace common
