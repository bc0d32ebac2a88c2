#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The state of the Backgammon board, shared by the window and the plain rules, under the names
// the window uses. Points run 1 to 24 as the user moves (from 1 towards 24, bearing off past 24);
// the computer moves from 24 towards 1. Checker arrays run 1 to 15; index 0 is unused.
namespace bgrules {

inline constexpr int kCheckers = 15;

// Owner codes of a point (`row`).
inline constexpr int kEmpty = 0;
inline constexpr int kComputerPoint = 2;  // two or more computer checkers
inline constexpr int kUserPoint = 3;      // two or more of the user's
inline constexpr int kUserBlot = 6;       // one of the user's
inline constexpr int kComputerBlot = 7;   // one computer checker

// Places off the points: the user's bar is 0 and borne off 25; the computer's bar is 25 and
// borne off 0.
inline constexpr int kUserBar = 0;
inline constexpr int kUserOff = 25;
inline constexpr int kComputerBar = 25;
inline constexpr int kComputerOff = 0;

// A checker's depth in its stack (its picture's Tag): 1 the top checker, the one that moves;
// 50 on the bar; 0 borne off. The user's drags read 35 or more as on the bar; the computer's
// moves read 31 or more when entering, and 40 or more when judging home and scoring.
inline constexpr int kTopDepth = 1;
inline constexpr int kBarDepth = 50;
inline constexpr int kOffDepth = 0;

using Draw = std::function<int(int n)>;  // rndnum: a whole number from 1 to n

struct BackgammonTable {
    // By point. The arrays reach far past 24 so that a look-up a few dice beyond the board finds
    // an empty point.
    std::array<std::int16_t, 251> row{};     // owner code
    std::array<std::int16_t, 251> rownum{};  // checkers on the point

    // By checker 1..15.
    std::array<std::int16_t, 16> playerpos{};  // 1..24, 0 the bar, 25 borne off
    std::array<std::int16_t, 16> comppos{};    // 1..24, 25 the bar, 0 borne off
    std::array<std::int16_t, 16> playertag{};  // depth of the user's checker (Shape1's Tag)
    std::array<std::int16_t, 16> comptag{};    // depth of the computer's checker (Shape2's Tag)
    int playeroff = 0;
    int compoff = 0;

    // The user's turn: a used die is 0; the third and fourth moves exist only after doubles.
    int playerdie1 = 0, playerdie2 = 0, playerdie3 = 0, playerdie4 = 0;
    bool playerdoubles = false;
    int doublesvalue = 0;
    int movesleft = 0;
    int firstrolldone = 0;  // 1 once the user has rolled in this game

    // The computer's turn: after doubles the second pair waits in compdie3 and compdie4.
    int compdie1 = 0, compdie2 = 0, compdie3 = 0, compdie4 = 0;
    bool compdoubles = false;

    // The cube and the match. Stakes and points have no upper limit worth guarding.
    std::int64_t cubevalue = 1;
    int compownscube = 0;  // 1 after the computer accepted the user's double
    int compoffered = 0;   // 1 after the computer offered a double
    int playerpips = 0, comppips = 0;
    std::int64_t playerscore = 0, compscore = 0;
    int playerwins = 0, compwins = 0;
    // Who rolls first in the next game: as read from its file ("P", "C" or "R"), then the last
    // winner's letter.
    std::string firstroll;
};

// The owner code that a point's count gives, for the side that holds it.
int usercode(int count);
int computercode(int count);

// A new game: the opening position with its depths, counts and codes; the cube back at 1 with
// no owner and no offer; no dice, no moves and nothing borne off. The match is kept.
void newGame(BackgammonTable& t);

// Who rolls first from the first-roll holder: exactly "C" the computer (2), exactly "R" a draw
// of 1 or 2, anything else the user (1).
int firstRoller(std::string_view holder, const Draw& draw);

// The user's checker is on the bar, by its depth as the user's drags read it.
inline bool onbar(int tag) { return tag >= 35; }
bool useronbar(const BackgammonTable& t);

// Both sides' pip counts: a checker on the bar counts 25, one borne off 0.
int userpips(const BackgammonTable& t);
int computerpips(const BackgammonTable& t);

}  // namespace bgrules
