#pragma once

#include <string>
#include <string_view>
#include <vector>

// The user list of the log-in window: "\Data\users.dat" holds one "*1*" name "*2*" entry per line,
// "\Data\totalusers.dat" the count.
namespace common {

inline constexpr std::string_view kUsersFile = "\\Data\\users.dat";
inline constexpr std::string_view kUserCountFile = "\\Data\\totalusers.dat";
inline constexpr int kLongestUserName = 20;

// Every name between a "*1*" and the first "*2*" after it, in file order. The search for the next
// "*1*" resumes one character after the previous one.
std::vector<std::string> parseusers(std::string_view text);
// The users text: "*1*" name "*2*" CR LF per name.
std::string userstext(const std::vector<std::string>& names);

// The names of the users file; a missing or unreadable file lists nobody.
std::vector<std::string> loadusers();
// The count file's number; text that does not convert counts as 0.
int storedusercount();
// The names of the users file, as loadusers; where the count file disagrees with them, the list
// wins and the count file is rewritten to match.
std::vector<std::string> loadusersmended();
// Writes the users text, then the count, each with a final CR LF; an empty list writes an empty
// users text and "0". A failed write of the list leaves the count as it was. False when either failed.
bool saveusers(const std::vector<std::string>& names);

// Whether the name, saved as an entry, reads back as exactly itself: a name holding "*1*" or "*2*",
// beginning "1*" or ending "*2" would come back cut short or as two names.
bool roundtrips(std::string_view name);
// A new name is 1 to 20 characters, not one or two blanks, reads back as itself, and differs
// from every listed name ignoring case.
bool acceptablename(std::string_view answer, const std::vector<std::string>& listed);

}  // namespace common
