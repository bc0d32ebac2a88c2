// The table under the pointer: a window of overlapping cards in fans, as a hand of cards lies, and
// a few windowed controls. Each call is measured with its heap allocations, which must not grow
// with the number of cards.
#include "bench/benchmarks.h"

#include "bench/allocations.h"
#include "bench/goals.h"
#include "bench/harness.h"

#include "art/card_face.h"
#include "platform/form.h"
#include "platform/input.h"

#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace bench {
namespace {

using platform::kTwipsPerPixel;

constexpr int kPerFan = 30;
constexpr double kFanLeftPx = 30, kFanTopPx = 40, kStepPx = 22, kFanGapPx = 130;
constexpr double kCardWidthPx = 71, kCardHeightPx = 96;

struct Point {
    double x, y;
};

// A point on the strip of card `index` (1-based) that the next card of its fan leaves uncovered.
Point strip(int index) {
    const int k = index - 1;
    return {(kFanLeftPx + (k % kPerFan) * kStepPx + kStepPx / 2) * kTwipsPerPixel,
            (kFanTopPx + (k / kPerFan) * kFanGapPx + kCardHeightPx / 2) * kTwipsPerPixel};
}

template <int Cards>
class FannedHand : public platform::Form {
public:
    FannedHand() {
        Caption = "Fanned hand";
        WindowState = platform::vbMaximized;
        BackColor = platform::RGB(0, 128, 0);
        std::vector<platform::Picture> faces;
        for (art::Suit suit : art::kSuits)
            for (int rank = 1; rank <= 13; ++rank) faces.emplace_back(art::cardFace(suit, rank));
        for (auto& [i, c] : card) {
            const int k = i - 1;
            c->Stretch = true;
            c->Move((kFanLeftPx + (k % kPerFan) * kStepPx) * kTwipsPerPixel,
                    (kFanTopPx + (k / kPerFan) * kFanGapPx) * kTwipsPerPixel, kCardWidthPx * kTwipsPerPixel,
                    kCardHeightPx * kTwipsPerPixel);
            c->Picture = faces[std::size_t(k) % faces.size()];
        }
        card.Click = [this](int) { ++clicks; };
        card.DragOver = [this](int, platform::Control&, double, double, int) { ++dragOvers; };
        card.DragDrop = [this](int, platform::Control&, double, double) { ++drops; };

        deal.Caption = "Deal";
        deal.Move(800 * kTwipsPerPixel, 560 * kTwipsPerPixel, 120 * kTwipsPerPixel, 32 * kTwipsPerPixel);
        score.Move(800 * kTwipsPerPixel, 610 * kTwipsPerPixel, 120 * kTwipsPerPixel, 24 * kTwipsPerPixel);
        score.Text = "0";
        players.Move(800 * kTwipsPerPixel, 40 * kTwipsPerPixel, 180 * kTwipsPerPixel, 120 * kTwipsPerPixel);
        for (const char* name : {"North", "East", "South", "West"}) players.AddItem(name);
        tally.Move(800 * kTwipsPerPixel, 200 * kTwipsPerPixel, 180 * kTwipsPerPixel, 160 * kTwipsPerPixel);
        tally.Caption = "Tally";
        tallyText.Move(150, 300, 2400, 600);
        tallyText.Caption = "Hands won: 0";
    }

    platform::ControlArray<platform::Image> card{*this, 1, Cards};
    platform::CommandButton deal{*this};
    platform::TextBox score{*this};
    platform::ListBox players{*this};
    platform::Frame tally{*this};
    platform::Label tallyText{tally};
    long clicks = 0, dragOvers = 0, drops = 0;
};

// The hand window open for one benchmark run.
template <int Cards>
struct OpenHand {
    OpenHand() : run(Clock::Virtual), hand(platform::window<FannedHand<Cards>>()) {
        hand.Show();
        settle();
    }
    ~OpenHand() { hand.Unload(); }
    ProgramRun run;
    FannedHand<Cards>& hand;
};

// The most heap allocations a single call made: a whole number, where an average over calls that
// differ (a drag step alternating between two places) would fall between two and flicker.
class AllocationCount {
public:
    void start() { before_ = allocations(); }
    void stop() { most_ = std::max(most_, allocations() - before_); }
    void report(benchmark::State& state) const { state.counters[kAllocations] = double(most_); }

private:
    long before_ = 0;
    long most_ = 0;
};

template <int Cards>
void repaint(benchmark::State& state) {
    OpenHand<Cards> open;
    QWidget* canvas = open.hand.canvas();
    AllocationCount count;
    for (auto _ : state) {
        count.start();
        canvas->repaint();
        count.stop();
    }
    count.report(state);
}

template <int Cards>
void hitTest(benchmark::State& state) {
    OpenHand<Cards> open;
    const Point p = strip(1);
    if (platform::input::hitTest(open.hand, p.x, p.y) != &open.hand.card[1]) {
        state.SkipWithError("the hit test misses the backmost card");
        return;
    }
    AllocationCount count;
    for (auto _ : state) {
        count.start();
        benchmark::DoNotOptimize(platform::input::hitTest(open.hand, p.x, p.y));
        count.stop();
    }
    count.report(state);
}

// One step: the pointer moves to the next strip, the outline follows and is drawn there.
template <int Cards>
void dragStep(benchmark::State& state) {
    OpenHand<Cards> open;
    FannedHand<Cards>& hand = open.hand;
    for (auto& [i, c] : hand.card) c->DragMode = platform::vbAutomatic;
    const Point from = strip(1);
    const Point to[2] = {strip(10), strip(20)};
    platform::input::move(hand, from.x, from.y);
    platform::input::press(hand, from.x, from.y, platform::vbLeftButton);
    if (!platform::input::dragging()) {
        state.SkipWithError("the press started no drag");
        return;
    }
    settle();
    int step = 0;
    AllocationCount count;
    for (auto _ : state) {
        const Point p = to[step++ % 2];
        count.start();
        platform::input::move(hand, p.x, p.y, platform::vbLeftButton);
        settle();
        count.stop();
    }
    count.report(state);
    platform::input::release(hand, from.x, from.y, platform::vbLeftButton);
    settle();
    if (hand.drops != 1 || hand.dragOvers < step) state.SkipWithError("the drag did not reach the cards");
}

template <int Cards>
void clickRouted(benchmark::State& state) {
    OpenHand<Cards> open;
    FannedHand<Cards>& hand = open.hand;
    const Point p = strip(1);
    AllocationCount count;
    for (auto _ : state) {
        count.start();
        platform::input::press(hand, p.x, p.y, platform::vbLeftButton);
        platform::input::release(hand, p.x, p.y, platform::vbLeftButton);
        count.stop();
    }
    count.report(state);
    if (hand.clicks != long(state.iterations())) state.SkipWithError("a click did not reach the card");
}

// "hand/<call>/<cards>", built by appending: GCC 12 at -O3 takes a literal prefixed to a string for
// an overlapping copy.
std::string name(std::string_view call, int cards) {
    std::string text = "hand/";
    text += call;
    text += '/';
    text += std::to_string(cards);
    return text;
}

template <int Cards>
void registerHand() {
    benchmark::RegisterBenchmark(name("repaint", Cards).c_str(), repaint<Cards>)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(name("hit test", Cards).c_str(), hitTest<Cards>);
    benchmark::RegisterBenchmark(name("drag step", Cards).c_str(), dragStep<Cards>)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(name("click", Cards).c_str(), clickRouted<Cards>)->Unit(benchmark::kMicrosecond);
}

constexpr int kFew = 30, kMany = 120;

}  // namespace

void registerHandBenchmarks() {
    registerHand<kFew>();
    registerHand<kMany>();
    showTimed(name("repaint", kMany), "120 cards: full repaint", 0.002);
    showTimed(name("hit test", kMany), "120 cards: hit test (backmost card)", 2e-6);
    showTimed(name("drag step", kMany), "120 cards: drag step, outline drawn", 0.001);
    showTimed(name("click", kMany), "120 cards: click routed to a card", 1e-4);
    for (const char* call : {"repaint", "hit test", "drag step", "click"})
        showAllocationGrowth(std::string("heap allocations per ") + call + " (most), 30 -> 120 cards", name(call, kFew),
                             name(call, kMany));
}

}  // namespace bench
