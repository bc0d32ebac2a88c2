#include "program_test.h"

#include "common/mainwindow.h"
#include "games/crazy8s-war/choosesuitcrazy8.h"
#include "games/crazy8s-war/crazy8s.h"
#include "games/crazy8s-war/crazy8s_layout.h"
#include "games/crazy8s-war/crazy8s_rules.h"
#include "core/cards.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Crazy 8s: every card dealt once and lying in one place, each hand's cards on their slots, the
// pile under its drop zone, and a table that always waits for someone.
namespace {

using namespace crazy8srules;

std::string number(int n) { return std::to_string(n); }

int topdiscard(const Crazy8sTable& t) {
    for (int card = 1; card <= kCards; ++card)
        if (t.tag[card] == t.discardtag) return card;
    return 0;
}

int backsShown(crazy8s& c) {
    int shown = 0;
    for (int k = 1; k <= kHandSlots; ++k) shown += c.compcard[k].Visible ? 1 : 0;
    return shown;
}

// Each hand's slots filled once, the cards outside the hands numbered 1..discardtag once, every
// card's picture where its place says and draggable exactly in the user's hand.
std::string cardsInPlace(crazy8s& c) {
    const Crazy8sTable& t = c.table;
    std::vector<int> userslots(kHandSlots + 1), compslots(kHandSlots + 1), outside(kCards + 1);
    for (int card = 1; card <= kCards; ++card) {
        const int tag = t.tag[card];
        const std::string which = "card image " + number(card);
        if (c.Image1[card].Tag.get() != number(tag)) return which + " is tagged " + c.Image1[card].Tag.get() + ", not " + number(tag);
        if ((c.Image1[card].DragMode == platform::vbAutomatic) != (tag == kUserTag))
            return which + (tag == kUserTag ? " in the hand cannot be dragged" : " outside the hand can be dragged");
        if (tag == kUserTag || tag == kCompTag) {
            const int slot = t.slot[card];
            if (slot < 1 || slot > (tag == kUserTag ? t.playercount : t.compcount)) return which + " lies in slot " + number(slot);
            ++(tag == kUserTag ? userslots : compslots)[static_cast<std::size_t>(slot)];
            const Place at = tag == kUserTag ? userslot(slot, c.scale) : compslot(slot, c.scale);
            if (c.Image1[card].Left.get() != at.left || c.Image1[card].Top.get() != at.top) return which + " is off its slot";
        } else if (tag >= 1 && tag <= t.discardtag) {
            ++outside[static_cast<std::size_t>(tag)];
        } else {
            return which + " is numbered " + number(tag);
        }
    }
    for (int s = 1; s <= t.playercount; ++s)
        if (userslots[static_cast<std::size_t>(s)] != 1) return "the user's slot " + number(s) + " holds " + number(userslots[static_cast<std::size_t>(s)]) + " cards";
    for (int s = 1; s <= t.compcount; ++s)
        if (compslots[static_cast<std::size_t>(s)] != 1) return "the computer's slot " + number(s) + " holds " + number(compslots[static_cast<std::size_t>(s)]) + " cards";
    for (int n = 1; n <= t.discardtag; ++n)
        if (outside[static_cast<std::size_t>(n)] != 1) return number(outside[static_cast<std::size_t>(n)]) + " cards are numbered " + number(n);
    if (t.playercount + t.compcount + t.discardtag != kCards)
        return number(t.playercount) + " + " + number(t.compcount) + " + " + number(t.discardtag) + " cards, not 52";
    if (t.playercount > kHandSlots || t.compcount > kHandSlots) return "a hand holds more than 28 cards";
    if (backsShown(c) != t.compcount) return number(backsShown(c)) + " backs show for the computer's " + number(t.compcount) + " cards";
    return {};
}

// The top discard lies under the drop zone, which lies in front of it.
std::string pileInPlace(crazy8s& c) {
    const int top = topdiscard(c.table);
    if (top == 0) return "no card is on top of the pile";
    if (c.Image1[top].Left.get() != c.Image2.Left.get() || c.Image1[top].Top.get() != c.Image2.Top.get())
        return "the top discard lies off the pile";
    const std::vector<platform::Control*>& order = c.lightControls();
    if (std::find(order.begin(), order.end(), &c.Image2) < std::find(order.begin(), order.end(), &c.Image1[top]))
        return "the top discard lies in front of the drop zone";
    return {};
}

// The user can play or use the stock, or a computer turn, the suit choice or the stock's opening is
// on its way, or a finished game waits for New Game.
std::string tableAnswers(crazy8s& c) {
    const Crazy8sTable& t = c.table;
    choosesuitcrazy8* dialog = platform::loaded<choosesuitcrazy8>();
    if (c.Enabled.get() != (dialog == nullptr)) return "the suit choice, and only it, locks the table";
    const bool over = t.playercount == 0 || t.compcount == 0;
    bool cardsOn = true;
    for (int card = 1; card <= kCards; ++card) cardsOn = cardsOn && c.Image1[card].Enabled;
    const bool userPlays = cardsOn && haslegal(t, kUserTag);
    const bool answers = c.Timer3.running() || dialog || (c.Command1.Enabled && c.Command1.Visible) || userPlays ||
                         (c.Timer4.running() && cardsOn) || over;
    if (!answers)
        return "the table waits for nothing: user " + number(t.playercount) + ", computer " + number(t.compcount) +
               ", outside " + number(t.discardtag);
    if (!c.newgame.Enabled) return "New Game is disabled";
    if (c.deal.Enabled) return "Deal is offered to the user";
    if (c.Timer3.running()) {
        if (cardsOn) return "cards play while the computer's turn is pending";
        if (c.Command1.Enabled) return "the stock answers while the computer's turn is pending";
        if (dialog) return "a pause follows an eight";
        if (over) return "the computer's turn is pending in a finished game";
    }
    if (over && c.Command1.Enabled) return "a finished game has a stock to use";
    return {};
}

std::string crazy8sHolds(crazy8s& c) {
    const Crazy8sTable& t = c.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kCards); !wrong.empty()) return wrong;
    if (t.playercount == 0 && t.compcount == 0) return {};
    for (auto check : {cardsInPlace, pileInPlace, tableAnswers})
        if (std::string wrong = check(c); !wrong.empty()) return wrong;
    return {};
}

// The user's cards that play and where they are dropped; the stock only when no card plays, so
// that games run to their end.
std::vector<platform::Control*> crazy8sMoves(crazy8s& c) {
    if (!haslegal(c.table, kUserTag)) return {&c.Command1};
    std::vector<platform::Control*> moves{&c.Image2};
    for (int card = 1; card <= kCards; ++card)
        if (c.table.tag[card] == kUserTag && legal(c.table, card)) moves.push_back(&c.Image1[card]);
    return moves;
}

platform::Form* crazy8sTable() { return platform::loaded<crazy8s>(); }

// The suit choice shows while it is loaded, and only over its table.
std::string suitHolds(choosesuitcrazy8& d) {
    if (!d.Visible) return "the suit choice is loaded but hidden";
    if (!platform::loaded<crazy8s>()) return "the suit choice outlived its table";
    return {};
}

// The close box before a suit is picked is refused: the choice stays over its locked table.
constexpr std::string_view kSuitStays = "the suit choice is closed before a pick and stays";

std::string closeSuitEarly(choosesuitcrazy8& d, std::mt19937&) {
    d.topLevel()->close();
    EXPECT_EQ(platform::loaded<choosesuitcrazy8>(), &d) << "the suit choice closed without a suit";
    EXPECT_TRUE(d.Visible);
    if (const crazy8s* c = platform::loaded<crazy8s>()) {
        EXPECT_FALSE(c->Enabled) << "the table answers before a suit is picked";
    }
    return std::string(kSuitStays);
}

const bool crazy8sPlayed = gp::playRules<crazy8s>(
    "crazy8s", {.timers = 2, .locks = common::mainwindow, .holds = crazy8sHolds, .moves = crazy8sMoves});
const bool suitPlayed = gp::playRules<choosesuitcrazy8>(
    "crazy 8s suit", {.played = false, .locks = crazy8sTable, .holds = suitHolds, .acts = closeSuitEarly});

// The code of a card in file order.
std::int16_t codeof(int rank, core::Suit suit) {
    for (int code = 1; code <= kCards; ++code)
        if (core::rankof(code) == rank && core::suitofcode(code) == suit) return static_cast<std::int16_t>(code);
    return 0;
}

// A deal the user wins unless it draws: the user's ace of hearts is its only card that plays on
// the starter, and the computer must draw twenty-one cards before its ace of clubs matches it; then
// the user's six low clubs follow the computer's five high ones. Random play wins too seldom from
// a shuffle to end a game the user's way within a run.
std::array<std::int16_t, kCards> userwins() {
    using core::Suit;
    struct Cards {
        Suit suit;
        std::vector<int> ranks;
    };
    const Cards named[] = {
        {Suit::Hearts, {1}}, {Suit::Clubs, {2, 3, 4, 5, 6, 7}},                          // the user's hand
        {Suit::Clubs, {9, 10, 11, 12, 13}}, {Suit::Diamonds, {2, 3}},                    // the computer's
        {Suit::Hearts, {9}},                                                             // the starter
        {Suit::Diamonds, {4, 5, 6, 7, 9, 10, 11, 12, 13}},                               // the stock
        {Suit::Spades, {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13}}, {Suit::Clubs, {1}},
        {Suit::Clubs, {8}}, {Suit::Diamonds, {8}}, {Suit::Spades, {8}}, {Suit::Hearts, {8}},
        {Suit::Diamonds, {1}}, {Suit::Spades, {1}}, {Suit::Hearts, {2, 3, 4, 5, 6, 7, 10, 11, 12, 13}}};
    std::array<std::int16_t, kCards> order{};
    std::size_t next = 0;
    for (const Cards& cards : named)
        for (int rank : cards.ranks) order[next++] = codeof(rank, cards.suit);
    return order;
}

class Crazy8sPlay : public ProgramTest {};

struct ScreenRun {
    std::uint32_t seed;
    int width, height;
};

// Long runs on the table alone, the last two at the small screens where the window and its cards
// shrink; together they reach games played to their end and both suit notices.
TEST_F(Crazy8sPlay, LongRunsAtEachScreenSize) {
    const ScreenRun runs[] = {{81u, 1024, 768}, {82u, 1024, 768}, {83u, 800, 600}, {84u, 640, 480}};
    std::set<std::string> prompts;
    for (const ScreenRun& r : runs) {
        SCOPED_TRACE(number(r.width) + " x " + number(r.height));
        leaveHomeUnpainted();
        play(r.seed, 3000, typeid(crazy8s), [&] {
            setScreen(r.width, r.height);
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            const bool fresh = platform::loaded<crazy8s>() == nullptr;
            platform::window<crazy8s>().Show();
            // Each time the table opens, its first deal is the one the user can win.
            if (crazy8s* c = platform::loaded<crazy8s>(); fresh && c) c->dealKnown(userwins());
        });
        if (HasFailure()) return;
        for (const platform::BoxRequest& box : boxes.shown()) prompts.insert(box.prompt);
        const std::size_t asked = boxes.shown().size();
        platform::unload<crazy8s>();
        settle();
        EXPECT_EQ(boxes.shown().size(), asked) << "nothing is asked on the way out";
        EXPECT_EQ(platform::loaded<choosesuitcrazy8>(), nullptr) << "the suit choice goes with its table";
    }
    std::string heard;
    for (const std::string& prompt : prompts) heard += "\n  " + prompt;
    for (const char* prompt :
         {"You Win, Keep Playing?", "You Lost, Keep Playing?", "The Suit is now hearts", "The suit is now spades"})
        EXPECT_TRUE(prompts.contains(prompt)) << prompt << " never came; the runs heard:" << heard;
    EXPECT_TRUE(met().contains(std::string(kSuitStays))) << "no run closed the suit choice before a pick";
}

}  // namespace
