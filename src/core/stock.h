#pragma once

#include <string_view>

// The stock pile pictures: full, half and thin, hidden when the stock is spent.
namespace core {

inline constexpr std::string_view stockfull = "\\Images\\carddeckfull1.bmp";
inline constexpr std::string_view stockhalf = "\\Images\\carddeckhalf1.bmp";
inline constexpr std::string_view stockthin = "\\Images\\carddeckthin1.bmp";

// The picture for the cards left, by a game's own thresholds: the full pile from fullFrom cards,
// the half pile from halfFrom, the thin pile from one card; empty text (hide the pile) at none.
std::string_view stockpicture(int left, int fullFrom, int halfFrom);

}  // namespace core
