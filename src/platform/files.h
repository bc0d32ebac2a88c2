#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// App.Path: the folder of the executable, where Data/, Images/ and Sounds/ lie.
std::filesystem::path programFolder();
// Test seam: points the program at another folder (an empty path restores the default).
void setProgramFolder(const std::filesystem::path& folder);

// At start-up: clears the temporary files that writes of an earlier run left when it was stopped,
// and only those: a user's own file ending in ".tmp" stays.
void openProgramFolder();

// Maps a program-relative name such as "\Data\users.dat" into the program folder.
std::filesystem::path resolve(std::string_view name);

// What a file is read as. A file larger than its kind's limit reads as damaged, and anything but a
// readable regular file (a folder, a named pipe, a device) as missing; either says so in one line on
// standard error. A plain missing file is quiet.
enum class FileKind { Setting, Picture, Page };
std::uintmax_t sizeLimit(FileKind kind);
// The whole file, or nothing as above.
std::optional<std::string> readBytes(const std::filesystem::path& path, FileKind kind);

// A setting file's whole text; a missing, unreadable or damaged file reads as empty text.
std::string readFile(std::string_view name);
// A setting's value: the whole text less exactly one final CR LF or lone LF.
std::string readSetting(std::string_view name);
// Writes the text and CR LF through a temporary file and a rename, creating the folder if needed.
// A failed write keeps the old file, is reported on standard error and returns false.
bool writeSetting(std::string_view name, std::string_view text);
// A failed write is also told to the user, once per action (a box titled kWriteFailureTitle saying
// writeFailureText), as a save the user believes done is lost otherwise.
inline constexpr const char* kWriteFailureTitle = "Not Saved";
std::string writeFailureText(const std::filesystem::path& path, int error);
// While one lives, a failed write is said on standard error only: for housekeeping the user did not
// ask for and that the program takes up again on its own.
class UntoldWrites {
public:
    UntoldWrites();
    ~UntoldWrites();
    UntoldWrites(const UntoldWrites&) = delete;
    UntoldWrites& operator=(const UntoldWrites&) = delete;
};
// Writes raw bytes the same safe way: the bytes go to a temporary file beside the target, which is
// synced to the disk before it replaces the target, and the folder is synced after, so neither a
// kill nor a power loss leaves an empty or half-written file.
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// Test seam: the steps of a write, and a way to make one fail as a full disk or a read-only
// folder would (return that error number; 0 lets the step run).
enum class WriteStep { Create, Write, Sync, Rename, SyncFolder };
void setWriteFaults(std::function<int(WriteStep step, const std::filesystem::path& target)> fault);

}  // namespace platform
