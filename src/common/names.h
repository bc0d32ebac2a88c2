#pragma once

#include <array>
#include <string_view>

// The computer players' names.
namespace common {

inline constexpr std::array<std::string_view, 6> oppnames{
    "Orvena", "Pelko", "Wendro", "Corlan", "Feyla", "Quilla"};
// Euchre's partner seat draws between the first name and this one at every new game.
inline constexpr std::string_view kEuchrePartnerName = "Sennet";

// One name of the six, each with the chance one in six.
std::string_view pickname();

struct SeatNames {
    std::string_view top, right, left;
};
// One name per seat from its fixed pair, drawn for the top, right and left seat in that order.
// topSecond replaces the top seat's second name (Euchre's new game passes kEuchrePartnerName).
SeatNames pickseats(std::string_view topSecond = oppnames[1]);

}  // namespace common
