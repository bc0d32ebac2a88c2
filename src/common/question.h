#pragma once

#include "platform/boxes.h"

#include <string_view>

// `playagain`: the end-of-game question, Yes/No with the information icon, Yes the default.
namespace common {

inline constexpr std::string_view kKeepPlaying = "Keep Playing?";
inline constexpr std::string_view kPlayAgain = "Play Again?";
inline constexpr int kPlayAgainStyle = platform::vbYesNo + platform::vbInformation;  // 68

// True when the user answers Yes.
bool playagain(std::string_view prompt, std::string_view title = kKeepPlaying);

}  // namespace common
