#include "platform/file_reader.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::detail {
namespace {

std::int64_t nanoseconds(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

// What was last said of each file: a window that reads a file twice while it loads says once that
// it is damaged, until the file changes.
struct Said {
    FileReader::Status status;
    FileIdentity identity;
};

bool saidBefore(const std::filesystem::path& path, FileReader::Status status, const FileIdentity& identity) {
    static std::map<std::string, Said> said;
    const auto [entry, fresh] = said.try_emplace(path.string(), Said{status, identity});
    if (fresh) return false;
    const bool same = entry->second.status == status && entry->second.identity == identity;
    entry->second = {status, identity};
    return same;
}

}  // namespace

FileReader::FileReader(const std::filesystem::path& path, FileKind kind) : path_(path), limit_(sizeLimit(kind)) {
    // Not blocking: opening a named pipe would otherwise wait for a writer that never comes.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        error_ = errno;
        status_ = error_ == ENOENT || error_ == ENOTDIR ? Status::Missing : Status::Failed;
        return;
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        error_ = errno;
        status_ = Status::Failed;
        return;
    }
    identity_ = {static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino),
                 static_cast<std::uintmax_t>(info.st_size), nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
    if (!S_ISREG(info.st_mode))
        status_ = Status::NotRegular;
    else if (identity_.size > limit_)
        status_ = Status::TooLarge;
    else
        status_ = Status::Open;
}

FileReader::~FileReader() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> FileReader::readAll() {
    if (status_ != Status::Open) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(identity_.size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error_ = errno;
            status_ = Status::Failed;
            return std::nullopt;
        }
        if (got == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() > limit_) {
            status_ = Status::TooLarge;
            return std::nullopt;
        }
    }
}

void FileReader::report(std::string_view what) const {
    if (status_ == Status::Open || saidBefore(path_, status_, identity_)) return;
    std::cerr << "gamepack: cannot " << what << ' ' << path_ << ": ";
    switch (status_) {
    case Status::Open:
    case Status::Missing: std::cerr << "it is missing"; break;
    case Status::NotRegular: std::cerr << "it is not a file, so it reads as missing"; break;
    case Status::TooLarge: std::cerr << "it is larger than " << limit_ << " bytes, so it reads as damaged"; break;
    case Status::Failed: std::cerr << std::strerror(error_) << ", so it reads as missing"; break;
    }
    std::cerr << '\n';
}

}  // namespace platform::detail
