#include "common/trickcards.h"

#include "core/tricktable.h"

namespace common {

void closegap(const platform::ControlArray<platform::Image>& cards, const std::array<int, 53>& tag, int seat,
              int played, float scale) {
    const core::Place step = core::closeUpStep(seat, scale);
    for (int later : core::slotsOf(seat)) {
        if (later <= played || core::isPlayedTag(tag[later])) continue;
        cards[later].Left = cards[later].Left + step.left;
        cards[later].Top = cards[later].Top + step.top;
    }
}

bool sweeptick(const platform::ControlArray<platform::Image>& cards, const std::array<int, 5>& trickslot, int winner) {
    if (winner < 1 || winner > 4 || !trickslot[winner]) return false;
    const core::Place step = core::sweepStep(winner);
    for (int seat = 1; seat <= 4; ++seat) {
        if (!trickslot[seat]) continue;
        platform::Image& card = cards[trickslot[seat]];
        card.Left = card.Left + step.left;
        card.Top = card.Top + step.top;
    }
    const platform::Image& lead = cards[trickslot[winner]];
    for (int seat = 1; seat <= 4; ++seat) {
        if (!trickslot[seat]) continue;
        platform::Image& card = cards[trickslot[seat]];
        card.Top = lead.Top.get();
        card.Left = lead.Left.get();
    }
    return core::sweptOff(winner, {lead.Left, lead.Top});
}

}  // namespace common
