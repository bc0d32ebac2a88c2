#include "art/pip_layout.h"

namespace art {
namespace {

constexpr double kLeft = 23, kCentre = 35.5, kRight = 48;
constexpr double kTop = 17, kMiddle = 48, kBottom = 79;
// Four evenly spaced rows for the 8 to 10.
constexpr double kRow2 = kTop + (kBottom - kTop) / 3, kRow3 = kTop + 2 * (kBottom - kTop) / 3;

void add(std::vector<PipSpot>& pips, double x, double y) { pips.push_back({x, y, y > kMiddle}); }

void sides(std::vector<PipSpot>& pips, std::initializer_list<double> rows) {
    for (double y : rows) {
        add(pips, kLeft, y);
        add(pips, kRight, y);
    }
}

}  // namespace

std::vector<PipSpot> pipLayout(int rank) {
    std::vector<PipSpot> pips;
    switch (rank) {
    case 2: add(pips, kCentre, kTop); add(pips, kCentre, kBottom); break;
    case 3: add(pips, kCentre, kTop); add(pips, kCentre, kMiddle); add(pips, kCentre, kBottom); break;
    case 4: sides(pips, {kTop, kBottom}); break;
    case 5: sides(pips, {kTop, kBottom}); add(pips, kCentre, kMiddle); break;
    case 6: sides(pips, {kTop, kMiddle, kBottom}); break;
    case 7: sides(pips, {kTop, kMiddle, kBottom}); add(pips, kCentre, (kTop + kMiddle) / 2); break;
    case 8:
        sides(pips, {kTop, kMiddle, kBottom});
        add(pips, kCentre, (kTop + kMiddle) / 2);
        add(pips, kCentre, (kMiddle + kBottom) / 2);
        break;
    case 9: sides(pips, {kTop, kRow2, kRow3, kBottom}); add(pips, kCentre, kMiddle); break;
    case 10:
        sides(pips, {kTop, kRow2, kRow3, kBottom});
        add(pips, kCentre, (kTop + kRow2) / 2);
        add(pips, kCentre, (kRow3 + kBottom) / 2);
        break;
    default: break;
    }
    return pips;
}

}  // namespace art
