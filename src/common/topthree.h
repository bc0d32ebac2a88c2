#pragma once

#include <array>
#include <string>
#include <string_view>

// A game's table of its three best results with the names of the users who made them, kept in six
// setting files: "\Data\" + prefix + "name" or "score" + rank + ".dat".
namespace common {

enum class TopOrder {
    HigherBetter,  // scores
    LowerBetter,   // times in seconds; 5 or less never enters
};

struct TopEntry {
    std::string name;
    std::string value;  // the whole number as stored; text that does not convert is an empty slot
};
using TopThree = std::array<TopEntry, 3>;

inline constexpr int kShortestTime = 5;

// The file of rank 1 to 3; kind is "name" or "score".
std::string topthreefile(std::string_view prefix, std::string_view kind, int rank);

TopThree loadtopthree(std::string_view prefix);
// Names of ranks 1 to 3 first, then their values. False when a file could not be written; the
// files after it are then left as they were, and the window should load the table again.
bool savetopthree(const TopThree& table, std::string_view prefix);

// Whether a result strictly beats a stored value; anything beats an empty slot.
bool beats(int result, std::string_view stored, TopOrder order);
// Enters the result above the first entry it beats, moving the entries below down; the third falls
// out. Returns the rank it took, or 0 when the table is unchanged.
int entertopthree(TopThree& table, std::string_view name, int result, TopOrder order);

}  // namespace common
