#pragma once

#include "common/settings.h"

#include <span>
#include <string>
#include <string_view>

namespace platform {
class Menu;
}

// `settingradio`: an option kept in a setting file, shown as menu items of which the one for the
// stored value is ticked.
namespace common {

// An option's menu item and the value it stands for; an option's items come in the order their
// values are compared.
struct OptionItem {
    std::string_view value;
    platform::Menu* item;
};

// Ticks the first item whose value equals the holder's text exactly, case included, and unticks
// the others; when none matches, every tick stays as it was.
void tickoption(std::string_view holder, std::span<const OptionItem> items);

// Choosing an option item: the value goes into the holder and the file, is read back from the
// file, and the ticks follow what was read.
void settingradio(std::string& holder, std::string_view value, std::string_view name,
                  std::span<const OptionItem> items);

}  // namespace common
