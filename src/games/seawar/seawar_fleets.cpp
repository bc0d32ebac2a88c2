#include "games/seawar/seawar_fleets.h"

namespace seawarrules {
namespace {

// By layout: carrier, battleship, submarine, destroyer, cruiser, each first cell first.
struct Layout {
    std::array<int, 5> carrier;
    std::array<int, 4> battleship;
    std::array<int, 3> submarine;
    std::array<int, 3> destroyer;
    std::array<int, 2> cruiser;
};

constexpr std::array<Layout, kFleets> kLayouts{{
    {{12, 13, 14, 15, 16}, {55, 65, 75, 85}, {79, 89, 99}, {41, 42, 43}, {81, 82}},
    {{19, 29, 39, 49, 59}, {74, 75, 76, 77}, {33, 34, 35}, {5, 6, 7}, {2, 3}},
    {{85, 86, 87, 88, 89}, {30, 40, 50, 60}, {13, 23, 33}, {36, 46, 56}, {16, 17}},
    {{21, 22, 23, 24, 25}, {2, 3, 4, 5}, {51, 61, 71}, {93, 94, 95}, {58, 68}},
    {{75, 76, 77, 78, 79}, {43, 53, 63, 73}, {17, 18, 19}, {93, 94, 95}, {58, 68}},
    {{5, 6, 7, 8, 9}, {51, 52, 53, 54}, {58, 68, 78}, {73, 83, 93}, {11, 21}},
    {{11, 21, 31, 41, 51}, {26, 36, 46, 56}, {82, 83, 84}, {69, 79, 89}, {18, 28}},
    {{16, 17, 18, 19, 20}, {72, 73, 74, 75}, {50, 60, 70}, {11, 12, 13}, {45, 55}},
    {{63, 64, 65, 66, 67}, {5, 15, 25, 35}, {51, 61, 71}, {10, 20, 30}, {85, 95}},
    {{18, 28, 38, 48, 58}, {59, 69, 79, 89}, {42, 43, 44}, {93, 94, 95}, {13, 23}},
}};

template <std::size_t N>
ShipCells cellsOf(const std::array<int, N>& cells) {
    ShipCells ship{};
    for (std::size_t k = 0; k < N; ++k) ship[k + 1] = cells[k];
    return ship;
}

}  // namespace

Fleet fleet(int layout) {
    const Layout& l = kLayouts.at(static_cast<std::size_t>(layout - 1));
    Fleet f{};
    f[kCarrier] = cellsOf(l.carrier);
    f[kBattleship] = cellsOf(l.battleship);
    f[kSubmarine] = cellsOf(l.submarine);
    f[kDestroyer] = cellsOf(l.destroyer);
    f[kCruiser] = cellsOf(l.cruiser);
    return f;
}

int zgame(SeaWarTable& t, const Draw& draw) {
    const int layout = draw(kFleets, 1);
    t.enemycells = fleet(layout);
    return layout;
}

}  // namespace seawarrules
