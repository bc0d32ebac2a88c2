#include "support/program_folder.h"

#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>
#include <csignal>
#include <unistd.h>

#ifndef GP_PROGRAM_DIR
#define GP_PROGRAM_DIR ""
#endif

namespace gp {
namespace {

namespace fs = std::filesystem;

// Folders left by test programs that did not end normally (a crash, a kill): in memory they
// would hold their space until the machine restarts.
void removeOrphans(const fs::path& root) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(root, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string prefix = "gamepack-test-";
        if (!name.starts_with(prefix)) continue;
        const std::string pid = name.substr(prefix.size(), name.find('-', prefix.size()) - prefix.size());
        if (pid.empty() || pid.size() > 9 || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        if (::kill(static_cast<pid_t>(std::stol(pid)), 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), ec);
    }
}

// A file system in memory, where one with room is mounted: the program syncs every file it writes,
// and on a busy disk the syncs of a test program's thousands of writes cost it more than its work.
fs::path memoryFolder() {
    const fs::path shm = "/dev/shm";
    std::error_code ec;
    const auto space = fs::space(shm, ec);
    if (ec || space.available < (std::uintmax_t{1} << 30) || ::access(shm.c_str(), W_OK) != 0) return {};
    removeOrphans(shm);
    return shm;
}

fs::path root(ProgramFolder::Storage storage) {
    static const fs::path memory = memoryFolder();
    if (storage == ProgramFolder::Storage::MemoryIfAvailable && !memory.empty()) return memory;
    return fs::temp_directory_path();
}

fs::path freshFolder(const fs::path& root, const std::string& name) {
    const fs::path folder = root / ("gamepack-test-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

bool executable(const fs::directory_entry& entry) {
    return (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
}

// The folders of the built program folder that the program only reads and that make up nearly all
// of its size.
bool readOnlyData(const fs::path& name) { return name == "Images" || name == "Sounds"; }

// The built folder's pictures and sounds, copied once per test program into a folder of its own.
// Each test's program folder links to these copies instead of copying them again. A test that
// writes into a linked file in place changes the shared copy; such a copy is told by its time,
// set a year back here, and put back from the built folder when that test's folder goes,
// so that every test finds the files as built.
class SharedFiles {
public:
    explicit SharedFiles(const fs::path& root) : from_(GP_PROGRAM_DIR) {
        std::error_code ec;
        if (from_.empty() || !fs::is_directory(from_, ec)) return;
        folder_ = freshFolder(root, "shared");
        for (const auto& entry : fs::directory_iterator(from_, ec)) {
            if (!entry.is_directory() || !readOnlyData(entry.path().filename())) continue;
            for (const auto& file : fs::recursive_directory_iterator(entry.path(), ec))
                if (file.is_regular_file()) files_.push_back({fs::relative(file.path(), from_), 0});
        }
        for (File& file : files_) put(file);
    }
    ~SharedFiles() {
        std::error_code ec;
        if (!folder_.empty()) fs::remove_all(folder_, ec);
    }

    // Links every shared file into the folder, the read-only folders themselves included.
    void linkInto(const fs::path& to) const {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(from_, ec))
            if (entry.is_directory() && readOnlyData(entry.path().filename()))
                fs::create_directories(to / entry.path().filename(), ec);
        for (const File& file : files_) {
            fs::create_directories((to / file.relative).parent_path(), ec);
            fs::create_hard_link(folder_ / file.relative, to / file.relative, ec);
            if (ec) fs::copy_file(folder_ / file.relative, to / file.relative, ec);
        }
    }

    // Puts back each shared file that a test wrote into.
    void mend() {
        for (File& file : files_)
            if (changed(file)) put(file);
    }

private:
    struct File {
        fs::path relative;
        std::uintmax_t size;
    };

    static fs::file_time_type fixedTime() {
        static const fs::file_time_type yearAgo = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365);
        return yearAgo;
    }

    void put(File& file) {
        std::error_code ec;
        const fs::path path = folder_ / file.relative;
        fs::remove(path, ec);
        fs::create_directories(path.parent_path(), ec);
        fs::copy_file(from_ / file.relative, path, ec);
        fs::last_write_time(path, fixedTime(), ec);
        file.size = fs::file_size(path, ec);
    }

    bool changed(const File& file) const {
        std::error_code ec;
        const fs::path path = folder_ / file.relative;
        const auto size = fs::file_size(path, ec);
        if (ec) return true;
        const auto time = fs::last_write_time(path, ec);
        return ec || size != file.size || time != fixedTime();
    }

    fs::path from_;
    fs::path folder_;
    std::vector<File> files_;
};

// One set per place, so that links never cross file systems; made when a folder first needs it.
SharedFiles& sharedFiles(const fs::path& root) {
    static std::map<fs::path, std::unique_ptr<SharedFiles>> byRoot;
    auto& files = byRoot[root];
    if (!files) files = std::make_unique<SharedFiles>(root);
    return *files;
}

// The built folder's data (not its programs): pictures and sounds linked, the rest copied, so that
// every setting file is the test's own.
void layOut(const fs::path& from, const fs::path& to, SharedFiles& shared) {
    std::error_code ec;
    if (from.empty() || !fs::is_directory(from, ec)) return;
    shared.linkInto(to);
    for (const auto& entry : fs::directory_iterator(from, ec)) {
        if (entry.is_directory() && !readOnlyData(entry.path().filename()))
            fs::copy(entry.path(), to / entry.path().filename(), fs::copy_options::recursive, ec);
        else if (entry.is_regular_file() && !executable(entry))
            fs::copy_file(entry.path(), to / entry.path().filename(), ec);
    }
}

}  // namespace

ProgramFolder::ProgramFolder(Storage storage) : storage_(storage) {
    static std::atomic<int> count{0};
    path_ = freshFolder(root(storage), std::to_string(count++));
    layOut(GP_PROGRAM_DIR, path_, sharedFiles(root(storage)));
    for (const char* sub : {"Data", "Images", "Sounds"}) fs::create_directories(path_ / sub);
    platform::setProgramFolder(path_);
}

ProgramFolder::~ProgramFolder() {
    platform::setProgramFolder({});
    std::error_code ec;
    fs::remove_all(path_, ec);
    sharedFiles(root(storage_)).mend();
}

}  // namespace gp
