#pragma once

#include <filesystem>

// A program folder of its own for a headless run: a fresh temporary folder holding the built
// program folder's data (not its programs), so windows find their pictures, sounds and default
// settings as in a real run. Its setting files are copies of its own; its pictures and sounds are
// links to copies that the folders of one test program share (writing into one in place is
// undone when the folder goes). It is the program folder while it lives, and is removed after.
namespace gp {

class ProgramFolder {
public:
    // Where the folder lies: the system's temporary folder, or a file system in memory where one
    // with room is mounted (much faster for tests that write many files; the files behave alike).
    enum class Storage { Disk, MemoryIfAvailable };

    explicit ProgramFolder(Storage storage = Storage::Disk);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    Storage storage_;
    std::filesystem::path path_;
};

}  // namespace gp
