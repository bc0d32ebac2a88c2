#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The ways a user may find a file of the program folder damaged, made on disk for tests.
namespace gp {

enum class Damage {
    Missing,
    Empty,
    Folder,      // a folder where the file should be
    Pipe,        // a named pipe: opening it for reading would wait for a writer forever
    Garbage,     // binary bytes, NULs included
    LongLine,    // one line of 200,000 characters
    LongWord,    // one word of 300,000 characters, no line break
    HugeWord,    // one word of 4,000,000 characters: a size a rules page might still be allowed
    Huge,        // 50 MB
    CrLf,        // the good value and CR LF, as the program writes it
    NoNewline,   // the good value alone
    OutOfRange,  // a number beyond any range the program uses
    Negative,
    NonNumeric,
    NonUtf8,
};

std::string damageName(Damage damage);
const std::vector<Damage>& everyDamage();
// Whether the damage is about a file's text (line ends and values); it says nothing of a picture.
bool textDamage(Damage damage);
// Whether a reader keeps the good value: only the line-end variants of the good text.
bool keepsGoodValue(Damage damage);

// Puts the damaged file at path in place of whatever lies there; goodText is a good value of the
// file, without a line break.
void damageFile(const std::filesystem::path& path, Damage damage, std::string_view goodText);

// How many lines of what the program said on standard error name the file.
int linesNaming(std::string_view said, std::string_view file);

// Every file under the folder (not the folders) with what tells one version from another (size,
// inode, time), to show that nothing but the damaged file changed.
struct FolderState {
    std::vector<std::string> files;
    friend bool operator==(const FolderState&, const FolderState&) = default;
};
FolderState folderState(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& except = {});

}  // namespace gp
