#pragma once

#include <string_view>

// The one number conversion of the program, for setting files and the texts the games keep.
namespace core {

// Leading and trailing blanks are ignored; text that is not a whole number, or one out of range,
// gives the fallback.
int toInt(std::string_view text, int fallback = 0);
// As toInt, for numbers that may carry a fraction.
double toDouble(std::string_view text, double fallback = 0.0);

}  // namespace core
