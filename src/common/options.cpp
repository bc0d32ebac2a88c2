#include "common/options.h"

#include "platform/menu.h"

namespace common {

void tickoption(std::string_view holder, std::span<const OptionItem> items) {
    const OptionItem* match = nullptr;
    for (const OptionItem& option : items) {
        if (option.value != holder) continue;
        match = &option;
        break;
    }
    if (!match) return;
    for (const OptionItem& option : items) option.item->Checked = &option == match;
}

void settingradio(std::string& holder, std::string_view value, std::string_view name,
                  std::span<const OptionItem> items) {
    writesetting(holder, value, name);
    tickoption(holder, items);
}

}  // namespace common
