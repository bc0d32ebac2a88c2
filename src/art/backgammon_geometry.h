#pragma once

#include <array>
#include <optional>

// Where everything lies on the Backgammon board, in design twips for a 1024 x 768 screen. The
// window places its controls from these tables and the board pictures are drawn from them, so
// the painted points, bar and trays line up with the checkers at every scale.
//
// Points are numbered as the user moves: 1 to 12 along the bottom edge from right to left, 13 to
// 24 along the top edge from left to right. The user's off-board places are 0 (the bar) and 25
// (borne off); the computer's are 25 (the bar) and 0 (borne off).
namespace art::bgboard {

struct Spot {
    double left, top;
};
struct Box {
    double left, top, width, height;
    constexpr double right() const { return left + width; }
    constexpr double bottom() const { return top + height; }
};

// The board picture at scale 1, in pixels; the smaller sizes are this times their scale.
inline constexpr int kPictureWidth = 1040;
inline constexpr int kPictureHeight = 724;

// A checker and its drag handle.
inline constexpr double kChecker = 735;

// The drop areas over the points (index 1 to 24).
inline constexpr double kPointWidth = 735;
inline constexpr double kPointHeight = 3615;
inline constexpr std::array<Spot, 25> kPointAreas{{
    {15240, 8160},  // unused: index 0 is the computer's tray, kComputerTray
    {12600, 5880}, {11760, 5880}, {10920, 5880}, {9960, 5880}, {9000, 5880}, {8160, 5880},
    {6480, 5880},  {5640, 5880},  {4800, 5880},  {3840, 5880}, {2880, 5880}, {2040, 5880},
    {1920, 960},   {2880, 960},   {3840, 960},   {4680, 960},  {5640, 960},  {6600, 960},
    {8040, 960},   {8880, 960},   {9840, 960},   {10800, 960}, {11640, 960}, {12600, 960},
}};
// The drop area over the computer's tray (point area 0) and the user's bear-off tray.
inline constexpr Box kComputerTray{13560, 6000, 855, 3255};
inline constexpr Box kUserTray{13440, 1320, 1095, 3735};

// Target markers: index 1 to 24 mark points, 25 the bear-off tray; 0 lies off the board.
inline constexpr double kMarkerWidth = 375;
inline constexpr double kMarkerHeight = 255;
inline constexpr std::array<Spot, 26> kMarkers{{
    {15240, 8160},
    {12720, 9600}, {12000, 9600}, {11040, 9600}, {10200, 9600}, {9120, 9600}, {8280, 9600},
    {6720, 9600},  {5880, 9600},  {4920, 9600},  {4080, 9600},  {3120, 9600}, {2160, 9600},
    {2040, 600},   {3000, 600},   {3960, 600},   {4920, 600},   {5880, 600},  {6720, 600},
    {8160, 600},   {9000, 600},   {9960, 600},   {10920, 600},  {11880, 600}, {12840, 600},
    {13800, 960},
}};

// The checkers' columns, by point 1 to 12; point p and point 25 - p share one. The two sides
// differ beside the bar (6 and 19) and at the left edge (12 and 13).
inline constexpr std::array<double, 13> kUserColumns{0, 12600, 11760, 10920, 9960, 9000, 8040,
                                                     6480, 5640, 4800, 3840, 2880, 2040};
inline constexpr std::array<double, 13> kComputerColumns{0, 12600, 11760, 10920, 9960, 9000, 8160,
                                                         6480, 5640, 4800, 3840, 2880, 1920};
inline constexpr double kUserTrayColumn = 13440;      // the user's target 25
inline constexpr double kComputerTrayColumn = 13560;  // the computer's target 0

// The Left of a checker on a point, or in its side's own tray; none for any other place.
constexpr std::optional<double> userColumn(int point) {
    if (point == 25) return kUserTrayColumn;
    if (point < 1 || point > 24) return std::nullopt;
    return kUserColumns[point <= 12 ? point : 25 - point];
}
constexpr std::optional<double> computerColumn(int point) {
    if (point == 0) return kComputerTrayColumn;
    if (point < 1 || point > 24) return std::nullopt;
    return kComputerColumns[point <= 12 ? point : 25 - point];
}

// The Top of the checker that arrives on a point already holding `count` checkers: five along
// the point from its edge, five more in the gaps between them, and five over the first five.
// Targets from 13 up lie on the top half (the user's tray too), the others on the bottom half.
inline constexpr double kSlotStep = 720;
inline constexpr double kGapOffset = 240;
inline constexpr double kTopEdge = 960;
inline constexpr double kBottomEdge = 8760;
constexpr std::optional<double> slotTop(int point, int count) {
    if (count < 0 || count > 14) return std::nullopt;
    const int row = count % 5;
    const double inward = row * kSlotStep + (count / 5 == 1 ? kGapOffset : 0);
    return point >= 13 ? kTopEdge + inward : kBottomEdge - inward;
}

// Where checkers wait on the bar, one exactly over the other.
inline constexpr Spot kUserBar{7320, 4440};
inline constexpr Spot kComputerBar{7200, 5880};

// The tray slabs: slab 1 of each side, as designed; the load squeezes each slab to 0.66 of its
// scaled height and stacks the fifteen downwards from slab 1, touching. At 800 x 600 the column
// lies a fixed 20 twips (not scaled) further right.
inline constexpr Box kUserSlab{13545, 1590, 915, 255};
inline constexpr Box kComputerSlab{13545, 5950, 915, 255};
inline constexpr double kSlabSqueeze = 0.66;
inline constexpr double kSlabNudgeAt800 = 20;
inline constexpr float kScaleAt800 = 0.78f;
inline constexpr float kScaleAt640 = 0.63f;

// A side's tray slab i (1 to 15) at a scale, as the load leaves it.
constexpr Box slab(const Box& first, int i, float scale) {
    const double s = scale;
    const double height = first.height * s * kSlabSqueeze;
    const double left = first.left * s + (scale == kScaleAt800 ? kSlabNudgeAt800 : 0);
    return {left, first.top * s + (i - 1) * height, first.width * s, height};
}

// The dice: the user's roll shows them on the right half, the computer's on the left.
inline constexpr double kDie = 615;
inline constexpr double kDieTop = 5040;
inline constexpr double kUserDie1 = 9720, kUserDie2 = 10440;
inline constexpr double kComputerDie1 = 4680, kComputerDie2 = 3960;
inline constexpr Box kDiespot1{9120, 4680, 2535, 1215};
inline constexpr Box kDiespot2{3360, 4800, 2535, 975};
// The die faces wait above the window's top edge.
inline constexpr double kFacesTop = -1700;

// The doubling cube, and the size of its face pictures.
inline constexpr Box kCube{13560, 5040, 885, 735};
inline constexpr double kCubeFaceWidth = 1005, kCubeFaceHeight = 870;

// The players' names: the user's above the trays, the computer's below.
inline constexpr Box kUserName{12960, 240, 1695, 255};
inline constexpr Box kComputerName{12960, 9840, 1695, 255};

}  // namespace art::bgboard
