#include "program_test.h"

#include "common/mainwindow.h"
#include "games/spades/spades.h"
#include "games/spades/spades_layout.h"
#include "games/spades/spades_play.h"
#include "games/spades/spades_scoring.h"
#include "games/spades/spadescore.h"
#include "platform/input.h"
#include "platform/scheduler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Spades: every card dealt once and counted in its seat's suits, each hand's cards lying in their
// fan, the trick at its places and earlier tricks off the table, one yellow circle a trick, one step
// of the table at a time, and always something for the table or the user to do.
namespace {

using namespace spadesrules;

constexpr platform::Color kTrickCircle = platform::RGB(255, 255, 0);

template <class... Parts>
std::string said(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

bool near(double a, double b) { return std::abs(a - b) <= 0.01; }

int held(const SpadesTable& t, int seat) {
    int n = 0;
    for (int slot : slotsOf(seat)) n += isHeld(t, slot);
    return n;
}

bool offTable(const platform::Image& card) {
    return card.Left >= 20000 || card.Left <= -20000 || card.Top >= 10000 || card.Top <= -10000;
}

// Each hand's held cards lie in its fan without gaps, the user's row at its whole-twip Top (a card
// raised for the trade 100 above it); the cards of the trick lie at their seats' places until the
// sweep takes them, and every earlier trick is off the table.
std::string cardsWrong(const spades& s) {
    const SpadesTable& t = s.table;
    for (int seat = 1; seat <= 4; ++seat) {
        int place = firstSlot(seat);
        for (int slot : slotsOf(seat)) {
            const platform::Image& card = s.Image1[slot];
            if (isHeld(t, slot)) {
                const core::Place at = slotPlace(place++, s.scale);
                if (!near(card.Left, at.left)) return said("slot ", slot, " lies at Left ", card.Left, ", not ", at.left);
                if (seat == kUser && card.Top.get() != t.handtop) {
                    if (t.tradephase == 0 && !s.Command5.Visible) return said("slot ", slot, " lies raised outside a trade");
                    if (card.Top.get() != t.handtop - kRaise) return said("slot ", slot, " lies at Top ", card.Top.get());
                } else if (!near(card.Top, at.top)) {
                    return said("slot ", slot, " lies at Top ", card.Top.get(), ", not ", at.top);
                }
            } else if (t.trickslot[static_cast<std::size_t>(seat)] == slot) {
                if (s.Timer3.Enabled) continue;
                const core::Place at = trickPlace(seat, s.scale);
                if (!near(card.Left, at.left) || !near(card.Top, at.top))
                    return said("slot ", slot, " in the trick lies at ", card.Left, ", ", card.Top);
                if (!near(card.Width, s.Image1[39].Width)) return said("slot ", slot, " in the trick does not lie upright");
            } else if (!offTable(card)) {
                return said("slot ", slot, " of an earlier trick lies at ", card.Left, ", ", card.Top);
            }
        }
    }
    int raised = 0;
    for (int slot : slotsOf(kUser)) {
        const bool up = s.Image1[slot].Top.get() == t.handtop - kRaise;
        if (up != t.raised[static_cast<std::size_t>(slot)])
            return said("slot ", slot, up ? " lies raised" : " lies down", " though the table says otherwise");
        raised += up;
    }
    if (t.tradephase == -1 && raised != t.tradecount)
        return said(raised, " cards raised for the trade, ", t.tradecount, " chosen");
    return {};
}

// The cards and their counts: every code once, each seat's suit counts and hand size as its held
// cards say, the tricks won and the circles as the cards left say.
std::string countsWrong(const spades& s) {
    const SpadesTable& t = s.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, 52); !wrong.empty()) return wrong;
    int tricks = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        tricks += t.trickswon[static_cast<std::size_t>(seat)];
        for (Suit suit : {Suit::Spades, Suit::Hearts, Suit::Diamonds, Suit::Clubs}) {
            int cards = 0;
            for (int slot : slotsOf(seat)) cards += isHeld(t, slot) && t.cardsuit[static_cast<std::size_t>(slot)] == suit;
            if (suitcountOf(t, seat, suit) != cards)
                return said("seat ", seat, " is counted ", suitcountOf(t, seat, suit), " ", core::suitword(suit),
                            " and holds ", cards);
        }
        const bool played = t.tricksuit[static_cast<std::size_t>(seat)].has_value();
        if (held(t, seat) != t.cardsleft - played)
            return said("seat ", seat, " holds ", held(t, seat), " cards with ", t.cardsleft, " left to each hand");
    }
    if (tricks != 13 - t.cardsleft) return said(tricks, " tricks won with ", t.cardsleft, " cards left to each hand");
    for (auto [row, team] : {std::pair{&s.Shape3, kOurs}, std::pair{&s.Shape1, kTheirs}}) {
        int filled = 0;
        for (int k = 1; k <= 13; ++k) filled += (*row)[k].FillColor.get() == kTrickCircle;
        if (filled != teamTricks(t, team))
            return said(filled, " yellow circles for ", teamTricks(t, team), " tricks of team ", team);
    }
    return cardsWrong(s);
}

std::string spadesHolds(spades& s) {
    const SpadesTable& t = s.table;
    const Spadescore* score = platform::loaded<Spadescore>();
    if (score && !score->Visible) return "the score window is loaded and hidden";
    if (!score && !s.Enabled) return "the table is disabled with no score window open";

    int running = 0;
    for (const platform::Timer* timer : {&s.Timer1, &s.Timer2, &s.Timer3}) running += timer->Enabled;
    if (s.Timer1.Enabled && t.turn != 1 && t.turn != 2 && t.turn != 4)
        return said("the play timer runs at turn ", t.turn);
    if (s.Timer2.Enabled)
        for (int seat = 1; seat <= 4; ++seat)
            if (!t.tricksuit[static_cast<std::size_t>(seat)]) return said("a trick is judged without seat ", seat, "'s card");

    if (std::string wrong = countsWrong(s); !wrong.empty()) return wrong;

    if (t.tradephase == -1) {
        if (!s.Command5.Visible || s.Command5.Caption.get() != "Trade") return "the trade is open without its Trade button";
        if (s.Command5.Enabled.get() != (t.tradecount == 2))
            return said("the Trade button is ", s.Command5.Enabled ? "enabled" : "disabled", " with ", t.tradecount, " cards chosen");
        if (s.Frame1.Enabled) return "a bid can be made before the trade";
    }
    if (s.Frame1.Visible) {
        if (running) return "a timer runs while the user bids";
        if (!s.Frame1.Enabled && !s.Command5.Visible) return "the bid frame is disabled with no trade to wait for";
        if (t.cardsleft != 13) return said("the bid frame shows with ", t.cardsleft, " cards left to each hand");
    }
    if (score && score->handdone) {
        if (t.cardsleft != 0) return said("the hand is done with ", t.cardsleft, " cards left to each hand");
        if (running) return "a timer runs after the hand is done";
    }

    bool userCanPlay = false;
    if (t.turn == kUser && running == 0)
        for (int slot : slotsOf(kUser)) userCanPlay |= s.Image1[slot].Enabled && userMayPlay(t, slot);
    const bool trading = (s.Command5.Visible && s.Command5.Caption.get() == "Start") || t.tradephase == -1;
    const bool handOver = t.cardsleft == 0 && running == 0;
    if (running > 0 || (s.Frame1.Visible && s.Frame1.Enabled) || trading || score || userCanPlay || handOver) return {};
    return said("the table waits for nothing: turn ", t.turn, ", leader ", t.leader, ", cards left ", t.cardsleft);
}

std::string scoreHolds(Spadescore&) {
    return platform::loaded<spades>() ? std::string() : "the score window is open without its table";
}

// The cards the user may play or trade, the bids and the trade button.
std::vector<platform::Control*> spadesMoves(spades& s) {
    std::vector<platform::Control*> moves{&s.Command5};
    for (int slot : slotsOf(kUser))
        if (s.table.tradephase == -1 || userMayPlay(s.table, slot)) moves.push_back(&s.Image1[slot]);
    for (int bid = s.Command3.LBound(); bid <= s.Command3.UBound(); ++bid) moves.push_back(&s.Command3[bid]);
    return moves;
}

platform::Form* spadesTable() { return platform::loaded<spades>(); }

// Time passing tick by tick, what each tick posts run before the next.
void passTime(int ms) {
    namespace scheduler = platform::scheduler;
    const std::int64_t end = scheduler::now() + ms;
    for (auto due = scheduler::nextDue(); due && *due <= end; due = scheduler::nextDue()) {
        scheduler::advance(static_cast<int>(std::max<std::int64_t>(*due - scheduler::now(), 0)));
        platform::runPosted();
    }
    scheduler::advance(static_cast<int>(end - scheduler::now()));
    platform::runPosted();
}

// The user plays on without a pause: the computer seats' seconds pass and the user plays a legal
// card at each turn, every rule checked after each, for one card or (one time in ten) to the end of
// the hand, unless the table asks for something else first (a bid, a trade, a question). A hand is a
// long run of gestures that closing and starting again would seldom let end; so the runs also reach
// the ends of hands and games.
std::string playOn(spades& s, std::mt19937& r) {
    const int most = std::uniform_int_distribution<int>(0, 9)(r) == 0 ? 13 : 1;
    int cards = 0, seconds = 0;
    while (platform::loaded<spades>() == &s && s.Enabled && seconds < 200) {
        if (s.Timer1.Enabled || s.Timer2.Enabled || s.Timer3.Enabled) {
            passTime(1000);
            ++seconds;
        } else {
            std::vector<platform::Image*> legal;
            for (int slot : slotsOf(kUser))
                if (s.table.turn == kUser && !s.Frame1.Visible && s.Image1[slot].Enabled && userMayPlay(s.table, slot))
                    legal.push_back(&s.Image1[slot]);
            if (legal.empty() || cards == most) break;
            platform::Image& card = *legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(r)];
            const std::optional<gp::ClientPoint> at = gp::reachablePoint(card);
            if (!at) break;
            platform::input::press(s, at->x, at->y, platform::vbLeftButton);
            platform::input::release(s, at->x, at->y, platform::vbLeftButton);
            platform::runPosted();
            ++cards;
        }
        if (platform::loaded<spades>() != &s) break;
        if (const std::string wrong = spadesHolds(s); !wrong.empty()) {
            ADD_FAILURE() << "spades: " << wrong;
            break;
        }
    }
    return "the user plays on: " + std::to_string(cards) + " cards in " + std::to_string(seconds) + " seconds";
}

const bool spadesPlayed = gp::playRules<spades>(
    "spades", {.timers = 1, .locks = common::mainwindow, .holds = spadesHolds, .moves = spadesMoves, .acts = playOn});
const bool spadesScorePlayed =
    gp::playRules<Spadescore>("spades score", {.played = false, .locks = spadesTable, .holds = scoreHolds});

// A game that opens near its end, so that the hands a run plays to their end also end games and
// offer the user a Blind Nil: one team 10 short of the target, or 10 above minus the target, or the
// other team 100 ahead.
void nearTheEnd(spades& s, unsigned opening) {
    const int target = targetOf(s.target);
    const std::array<int, 2> starts[] = {
        {target - 10, 0}, {0, target - 10}, {10 - target, 0}, {target - 110, target - 10}, {0, 10 - target}};
    s.table.teamscore = starts[opening % std::size(starts)];
}

// Long runs of the table from seeds of its own, many hands and games deep; at the end of each the
// program closes with the table as it is, and nothing more is dealt or asked.
class SpadesPlay : public ProgramTest, public testing::WithParamInterface<std::uint32_t> {};

TEST_P(SpadesPlay, ManyHandsDeepTheTableKeepsItsCardsAndClosesQuietly) {
    // Each time the table opens, its game starts near an end that changes from one opening to the
    // next; a new program counts its openings afresh, so every replay of a run plays the same.
    unsigned opened = 0;
    leaveHomeUnpainted();
    play(GetParam(), 8000, typeid(spades), [&] {
        if (!platform::loaded<Form1>()) opened = 0;
        const Form1* main = platform::loaded<Form1>();
        if (!main || !main->Visible) startProgram();
        const bool fresh = platform::loaded<spades>() == nullptr;
        platform::window<spades>().Show();
        settle();
        if (spades* s = platform::loaded<spades>(); fresh && s) nearTheEnd(*s, GetParam() + opened++);
    });
    if (HasFailure()) return;
    EXPECT_TRUE(met().contains("You Win, Play again?") || met().contains("You Lost, Play again?")) << "no game ended";
    EXPECT_TRUE(met().contains("Would you like to place a personal Blind Nil bid?")) << "no Blind Nil was offered";
    const std::size_t before = boxes.shown().size();
    platform::unloadAll();
    settle();
    EXPECT_EQ(boxes.shown().size(), before);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SpadesPlay, testing::Values(21u, 22u, 23u, 24u));

}  // namespace
