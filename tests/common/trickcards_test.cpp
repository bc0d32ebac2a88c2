#include "common/trickcards.h"

#include "core/tricktable.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "support/window_test.h"

namespace {

class tricktable : public platform::Form {
public:
    platform::ControlArray<platform::Image> cards{*this, 1, 52};
};

using TrickCards = gp::WindowTest;

TEST_F(TrickCards, AHandClosesUpBehindAPlayedCardOnly) {
    tricktable& t = platform::window<tricktable>();
    std::array<int, 53> tag{};
    for (int slot = 1; slot <= 52; ++slot) {
        const core::Place place = core::fanPlace(slot, 0.7f, 700);
        t.cards[slot].Move(place.left, place.top);
    }
    tag[5] = core::playedTag(4);   // the played card
    tag[9] = core::playedTag(4);   // an earlier one, already gone
    common::closegap(t.cards, tag, 4, 5, 0.7f);
    for (int slot = 1; slot <= 13; ++slot) {
        const bool moves = slot > 5 && slot != 9;
        EXPECT_NEAR(t.cards[slot].Top, core::fanPlace(slot, 0.7f, 700).top - (moves ? 300 * 0.7 : 0), 0.01) << slot;
        EXPECT_EQ(t.cards[slot].Left, core::fanPlace(slot, 0.7f, 700).left) << slot;
    }
    EXPECT_EQ(t.cards[14].Top, core::fanPlace(14, 0.7f, 700).top) << "another seat's hand stays";
    tag.fill(0);
    common::closegap(t.cards, tag, 1, 30, 0.7f);
    EXPECT_NEAR(t.cards[31].Left, core::fanPlace(31, 0.7f, 700).left - 210, 0.01) << "the top hand closes leftward";
    EXPECT_EQ(t.cards[30].Left, core::fanPlace(30, 0.7f, 700).left);
}

TEST_F(TrickCards, ATrickSlidesAsOnePileUntilItLeavesTheTable) {
    tricktable& t = platform::window<tricktable>();
    const std::array<int, 5> trick{0, 30, 20, 45, 3};
    for (int seat = 1; seat <= 4; ++seat) {
        const core::Place place = core::trickPlace(seat, 1);
        t.cards[trick[static_cast<std::size_t>(seat)]].Move(place.left, place.top);
    }
    ASSERT_FALSE(common::sweeptick(t.cards, trick, 2));
    for (int slot : {30, 45, 3}) {
        EXPECT_EQ(t.cards[slot].Left, 6060 + 300) << slot;
        EXPECT_EQ(t.cards[slot].Top, 2800) << slot;
    }
    int ticks = 1;
    while (!common::sweeptick(t.cards, trick, 2) && ticks < 100) ++ticks;
    EXPECT_EQ(ticks + 1, 47) << "from 6060 past 20000 by 300 a tick";
    EXPECT_GE(t.cards[3].Left, 20000);
    EXPECT_FALSE(common::sweeptick(t.cards, {0, 0, 0, 0, 0}, 2)) << "no trick, no sweep";
}

}  // namespace
