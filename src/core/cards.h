#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The card numbering shared by the card games: codes 1 to 52 in four blocks of thirteen, ace to king.
// Two-deck games run on to 104, code c + 52 showing the same face as code c.
namespace core {

inline constexpr int kDeckSize = 52;

// The suit words, as the games store and compare them.
inline constexpr std::string_view kSpades = "spades";
inline constexpr std::string_view kClubs = "clubs";
inline constexpr std::string_view kDiamonds = "diamonds";
inline constexpr std::string_view kHearts = "hearts";

// The four suits, in the order of the face files. The one suit type of the program: tables, faces
// and pictures all name a suit so.
enum class Suit { Spades, Clubs, Diamonds, Hearts };
inline constexpr std::array<Suit, 4> kSuits{Suit::Spades, Suit::Clubs, Suit::Diamonds, Suit::Hearts};
// A suit, or none yet (a slot not dealt, a seat that has not played).
using MaybeSuit = std::optional<Suit>;
// "spades" .. "hearts", as the files and messages spell them.
std::string_view suitword(Suit suit);
// The suit a word names; nothing for any other text.
std::optional<Suit> suitnamed(std::string_view word);

// Which suit each block of thirteen holds: games that load faces from files number their blocks
// spades, clubs, diamonds, hearts; the windows that keep the faces inside them (Golf, Accordion)
// number them spades, hearts, diamonds, clubs.
enum class SuitOrder { File, Window };

// 1 ace .. 10, 11 jack, 12 queen, 13 king; 0 for a code below 1.
int rankof(int code);
// The block of thirteen, 0 to 3; -1 for a code below 1.
int suitblock(int code);

// "ace" .. "king" for ranks 1 to 13, empty text otherwise.
std::string_view rankword(int rank);
// The suit word of a block, 0 to 3, in the given order; empty text otherwise.
std::string_view suitword(int block, SuitOrder order = SuitOrder::File);
// The block of a suit word in the given order, 0 to 3; -1 for any other text.
int blockofsuit(std::string_view word, SuitOrder order = SuitOrder::File);
// The suit word of a code (1 to 104).
std::string_view suitof(int code, SuitOrder order = SuitOrder::File);
// The suit of a code (1 to 104) in the given order; none for any other code.
MaybeSuit suitofcode(int code, SuitOrder order = SuitOrder::File);

// "\Images\" + rank word + suit word + ".gif".
std::string facefile(int rank, std::string_view suit);
// The face file of a code in file order, 1 to 104; empty text for any other code.
std::string facefile(int code);

// The name of a face kept inside a window, in window order: "aceofspades" .. "kingofclubs";
// empty text outside 1 to 52.
std::string facename(int code);

inline constexpr std::string_view backfile = "\\Images\\bikecard.gif";
inline constexpr std::string_view sidebackfile = "\\Images\\bikecardside.gif";

}  // namespace core
