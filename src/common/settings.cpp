#include "common/settings.h"

#include "platform/files.h"

namespace common {

void readsetting(std::string& holder, std::string_view name) { holder = platform::readSetting(name); }

bool writesetting(std::string& holder, std::string_view value, std::string_view name, bool readBack) {
    holder = std::string(value);  // value may view the holder itself
    const bool written = platform::writeSetting(name, holder);
    if (readBack || !written) readsetting(holder, name);
    return written;
}

std::string switchfile(std::string_view switchname) {
    std::string name = "\\Data\\";
    name += switchname;
    name += "sound.dat";
    return name;
}

}  // namespace common
