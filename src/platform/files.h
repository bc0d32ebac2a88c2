#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// App.Path: the folder of the executable, where Data/, Images/ and Sounds/ lie.
std::filesystem::path programFolder();
// Test seam: points the program at another folder (an empty path restores the default).
void setProgramFolder(const std::filesystem::path& folder);

// Maps a program-relative name such as "\Data\users.dat" into the program folder.
std::filesystem::path resolve(std::string_view name);

// A file's whole text; a missing or unreadable file reads as empty text.
std::string readFile(std::string_view name);
// A setting's value: the whole text less exactly one final CR LF or lone LF.
std::string readSetting(std::string_view name);
// Writes the text and CR LF through a temporary file and a rename, creating the folder if needed.
// A failed write keeps the old file, is reported on standard error and returns false.
bool writeSetting(std::string_view name, std::string_view text);
// Writes raw bytes the same safe way.
bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The shared number conversion: leading and trailing blanks are ignored; text that is not a
// whole number, or one out of range, gives the fallback.
int toInt(std::string_view text, int fallback = 0);
// As toInt, for numbers that may carry a fraction.
double toDouble(std::string_view text, double fallback = 0.0);

}  // namespace platform
