#pragma once

#include <filesystem>

namespace layout {

// Lays out a program folder: Images (faces, backs, stock piles), Sounds, Data (rules pages and
// default settings) and the option files that lie in the folder itself, from the assets folder
// (rules/ and defaults/, the latter mirroring the program folder).
// Faces, sounds and rules pages are written every time. Setting files and the deck design's
// pictures are written only where missing, so a user's choices survive; a missing deck picture
// is drawn in the design that "Data/carddeck.dat" names. Returns false if any file failed.
bool layOutProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& assets);

}  // namespace layout
