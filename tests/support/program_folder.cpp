#include "support/program_folder.h"

#include "platform/files.h"

#include <atomic>
#include <string>
#include <system_error>
#include <unistd.h>

#ifndef GP_PROGRAM_DIR
#define GP_PROGRAM_DIR ""
#endif

namespace gp {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder() {
    static std::atomic<int> count{0};
    const fs::path folder = fs::temp_directory_path() /
                            ("gamepack-test-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

bool executable(const fs::directory_entry& entry) {
    return (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
}

void copyProgramData(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (from.empty() || !fs::is_directory(from, ec)) return;
    for (const auto& entry : fs::directory_iterator(from, ec)) {
        if (entry.is_directory())
            fs::copy(entry.path(), to / entry.path().filename(), fs::copy_options::recursive, ec);
        else if (entry.is_regular_file() && !executable(entry))
            fs::copy_file(entry.path(), to / entry.path().filename(), ec);
    }
}

}  // namespace

ProgramFolder::ProgramFolder() : path_(freshFolder()) {
    copyProgramData(GP_PROGRAM_DIR, path_);
    for (const char* sub : {"Data", "Images", "Sounds"}) fs::create_directories(path_ / sub);
    platform::setProgramFolder(path_);
}

ProgramFolder::~ProgramFolder() {
    platform::setProgramFolder({});
    std::error_code ec;
    fs::remove_all(path_, ec);
}

}  // namespace gp
