#pragma once

#include <functional>
#include <string>
#include <string_view>

// `showrules`: every window shows a game's rules page through the one rules viewer, which the
// shell owns and makes known here.
namespace common {

// The viewer's part: navigate its browser to the page file and show the viewer, not modal.
// An empty function: no viewer (requests do nothing).
void setrulesviewer(std::function<void(const std::string& file)> viewer);

// "\Data\" + page + ".html".
std::string rulesfile(std::string_view page);
void showrules(std::string_view page);

}  // namespace common
