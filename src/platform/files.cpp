#include "platform/files.h"

#include "platform/boxes.h"
#include "platform/file_reader.h"
#include "platform/registry.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <initializer_list>
#include <iostream>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace fs = std::filesystem;
namespace {

std::filesystem::path& folderOverride() {
    static std::filesystem::path folder;
    return folder;
}

std::uint64_t& writeCount() {
    static std::uint64_t count = 0;
    return count;
}

std::function<int(WriteStep, const fs::path&)>& writeFaults() {
    static std::function<int(WriteStep, const fs::path&)> fault;
    return fault;
}

int injected(WriteStep step, const fs::path& target) {
    const auto& fault = writeFaults();
    return fault ? fault(step, target) : 0;
}

// Once per action: a save that fails on several files, or the rollback after it, is one failure to
// the user. Outside any handler each failure is its own.
int& untold() {
    static int depth = 0;
    return depth;
}

void tellUser(const fs::path& path, int error) {
    static std::optional<std::uint64_t> told;
    if (untold() > 0) return;
    if (detail::inHandler()) {
        if (told == detail::currentAction()) return;
        told = detail::currentAction();
    }
    if (!boxesAvailable()) return;
    MsgBox(writeFailureText(path, error), vbOKOnly + vbExclamation, kWriteFailureTitle);
}

bool failed(const fs::path& path, const char* what, int error) {
    std::cerr << "gamepack: cannot " << what << ' ' << path << " (" << std::strerror(error) << "); the old file is kept\n";
    tellUser(path, error);
    return false;
}

// Beside the target, so the rename stays on one disk.
fs::path temporaryFor(const fs::path& path) { return path.string() + ".tmp"; }

int writeAll(int fd, std::string_view bytes, const fs::path& target) {
    if (const int error = injected(WriteStep::Write, target)) return error;
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The rename itself is kept only once the folder is synced; a folder that cannot be synced (some
// file systems refuse) still holds the new file.
void syncFolder(const fs::path& folder) {
    if (injected(WriteStep::SyncFolder, folder)) return;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::filesystem::path programFolder() {
    if (!folderOverride().empty()) return folderOverride();
    if (QCoreApplication::instance())
        return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    return std::filesystem::current_path();
}

void setProgramFolder(const std::filesystem::path& folder) { folderOverride() = folder; }

// The program writes its settings (".dat") beside itself and in Data, and the deck pictures in Images;
// a ".tmp" anywhere else, or of another kind of file, is the user's own and stays.
void openProgramFolder() {
    struct Written {
        const char* folder;
        std::initializer_list<std::string_view> kinds;
    };
    const Written written[] = {{"", {".dat"}}, {"Data", {".dat"}}, {"Images", {".gif", ".bmp"}}};
    std::error_code ec;
    for (const Written& place : written) {
        std::vector<fs::path> stale;
        for (fs::directory_iterator it(programFolder() / place.folder, ec), end; !ec && it != end; it.increment(ec)) {
            const fs::path& path = it->path();
            if (path.extension() != ".tmp" || !it->is_regular_file(ec)) continue;
            const std::string kind = path.stem().extension().string();
            if (std::ranges::find(place.kinds, kind) != place.kinds.end()) stale.push_back(path);
        }
        for (const fs::path& path : stale) fs::remove(path, ec);
    }
}

std::filesystem::path resolve(std::string_view name) {
    std::filesystem::path path = programFolder();
    std::string part;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) path /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) path /= part;
    return path;
}

std::uint64_t detail::filesWritten() { return writeCount(); }

std::uintmax_t sizeLimit(FileKind kind) {
    // Far above anything the program writes or ships: a users list of thousands of names, a board
    // picture as a bitmap, a rules page with its stylesheet. A page is laid out whole before it
    // shows: at its limit, even of one word, that takes well under a second.
    switch (kind) {
    case FileKind::Setting: return std::uintmax_t{1} << 20;
    case FileKind::Picture: return std::uintmax_t{16} << 20;
    case FileKind::Page: return std::uintmax_t{3} << 19;
    }
    return 0;
}

std::optional<std::string> readBytes(const fs::path& path, FileKind kind) {
    detail::FileReader file(path, kind);
    std::optional<std::string> bytes;
    if (file.status() == detail::FileReader::Status::Open) bytes = file.readAll();
    if (!bytes && file.status() != detail::FileReader::Status::Missing) file.report("read");
    return bytes;
}

std::string readFile(std::string_view name) { return readBytes(resolve(name), FileKind::Setting).value_or(""); }

std::string readSetting(std::string_view name) {
    std::string text = readFile(name);
    if (text.ends_with("\r\n"))
        text.resize(text.size() - 2);
    else if (text.ends_with('\n'))
        text.pop_back();
    return text;
}

UntoldWrites::UntoldWrites() { ++untold(); }
UntoldWrites::~UntoldWrites() { --untold(); }

std::string writeFailureText(const fs::path& path, int error) {
    return "Could not save \"" + path.string() + "\": " + std::strerror(error) +
           ".\nThe file keeps what it held before.";
}

void setWriteFaults(std::function<int(WriteStep, const fs::path&)> fault) { writeFaults() = std::move(fault); }

bool writeFileAtomic(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    const fs::path temp = temporaryFor(path);
    int error = injected(WriteStep::Create, path);
    const int fd = error ? -1 : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return failed(path, "create", error ? error : errno);
    error = writeAll(fd, bytes, path);
    // The data reaches the disk before the name points at it: a power loss never leaves an empty file.
    if (!error) error = injected(WriteStep::Sync, path);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error) error = injected(WriteStep::Rename, path);
    if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temp.c_str());
        return failed(path, "write", error);
    }
    ++writeCount();
    syncFolder(path.parent_path());
    return true;
}

bool writeSetting(std::string_view name, std::string_view text) {
    std::string bytes(text);
    bytes += "\r\n";
    return writeFileAtomic(resolve(name), bytes);
}

}  // namespace platform
