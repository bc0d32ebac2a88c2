#pragma once

#include "platform/files.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The one way the platform opens a file for reading. It never blocks on what is not a regular file
// (a named pipe would hold the program up for good) and never reads past the size limit of the kind
// of file, so a folder, a pipe, a device or a huge file cannot stop or abort the program.
namespace platform::detail {

// What tells one version of a file from another: a write through a rename gives a new file, a write
// in place a new time.
struct FileIdentity {
    std::uintmax_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0, changed = 0;  // nanoseconds
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// How many files the program has replaced so far. A file it wrote may come back under the inode,
// size and time of the one it replaced, so what was read before any write is read again.
std::uint64_t filesWritten();

class FileReader {
public:
    enum class Status { Open, Missing, NotRegular, TooLarge, Failed };

    FileReader(const std::filesystem::path& path, FileKind kind);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    Status status() const { return status_; }
    const FileIdentity& identity() const { return identity_; }
    // The whole file; nothing when it cannot be read or grew past the limit meanwhile.
    std::optional<std::string> readAll();
    // One line on standard error: "cannot <what> <path>" and why (missing, damaged).
    void report(std::string_view what) const;

private:
    std::filesystem::path path_;
    std::uintmax_t limit_;
    int fd_ = -1;
    int error_ = 0;
    Status status_ = Status::Failed;
    FileIdentity identity_;
};

}  // namespace platform::detail
