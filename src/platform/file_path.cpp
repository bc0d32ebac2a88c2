#include "platform/files.h"
#include "platform/registry.h"

namespace platform::detail {

std::filesystem::path filePath(std::string_view name) {
    const std::string folder = programFolder().string();
    // Only the folder itself: a sibling whose name merely begins the same is a path of its own.
    const bool inFolder = !folder.empty() && name.starts_with(folder) &&
                          (name.size() == folder.size() || name[folder.size()] == '\\' || name[folder.size()] == '/');
    if (inFolder) return resolve(name.substr(folder.size()));
    const std::filesystem::path own(name);
    if (own.is_absolute() && std::filesystem::exists(own.parent_path())) return own;
    return resolve(name);
}

}  // namespace platform::detail
