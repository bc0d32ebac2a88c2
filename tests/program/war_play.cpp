#include "program_test.h"

#include "common/mainwindow.h"
#include "core/cards.h"
#include "games/crazy8s-war/war_rules.h"
#include "games/crazy8s-war/wargame.h"

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

// War: every card dealt once, each in a pile or on the table as the counts say, the pictures and
// timers as a battle leaves them, and a pile that answers whenever no battle is under way.
namespace {

using namespace warrules;

std::string number(int n) { return std::to_string(n); }

bool busy(const wargame& w) { return w.Timer1.running() || w.Timer2.running() || w.Timer3.running() || w.Timer4.running(); }

// A pile of n cards holds them at places 1..n, once each; the table holds what each side has laid
// in this battle; a card off the table counts its plain rank.
std::string cardsInPlace(wargame& w, int& ontable) {
    const WarTable& t = w.table;
    std::array<int, kCompTable + kCards + 1> at{};
    int laid[2] = {};
    for (int card = 1; card <= kCards; ++card) {
        const int tag = t.tag[card];
        const std::string which = "card image " + number(card);
        if (w.Image1[card].Tag.get() != number(tag)) return which + " is tagged " + w.Image1[card].Tag.get() + ", not " + number(tag);
        if (tag <= kUserPile || tag > kCompTable + kCards) return which + " lies nowhere";
        if (tag > kUserTable)
            ++laid[tag > kCompTable ? 1 : 0];
        else if (++at[static_cast<std::size_t>(tag)] > 1)
            return "two cards lie at place " + number(tag);
        if (tag < kUserTable && t.cardrank[card] != rankvalue(t.deckorder[card])) return "a raise outlived its battle";
    }
    for (const auto& [base, count, side] :
         {std::tuple{kUserPile, t.playercount, "the user's"}, std::tuple{kCompPile, t.compcount, "the computer's"}})
        for (int place = 1; place <= kCards; ++place)
            if ((at[static_cast<std::size_t>(base + place)] == 1) != (place <= count))
                return std::string(side) + " pile of " + number(count) + " cards is wrong at place " + number(place);
    for (int card = 1; card <= kCards; ++card) {
        const int tag = t.tag[card];
        if ((tag > kUserTable && tag <= kCompTable && tag > kUserTable + t.playertable) || tag > kCompTable + t.comptable)
            return "card image " + number(card) + " lies on the table at " + number(tag) + ", beyond what was laid";
    }
    ontable = laid[0] + laid[1];
    if (t.playercount + t.compcount + ontable != kCards)
        return number(t.playercount) + " + " + number(t.compcount) + " + " + number(ontable) + " cards, not 52";
    if (w.yourdeck.Visible.get() != (t.playercount > 0)) return "the user's pile shows exactly while it holds cards";
    if (w.compdeck.Visible.get() != (t.compcount > 0)) return "the computer's pile shows exactly while it holds cards";
    return {};
}

// One slide at a time and only while collecting; no turn in the middle of a battle; an idle table
// cleared, at the battle's pace, its pile answering exactly while both piles hold cards.
std::string battleInOrder(wargame& w, int ontable) {
    const bool slide = w.Timer2.running() || w.Timer3.running();
    if (w.Timer2.running() && w.Timer3.running()) return "cards slide to both sides at once";
    if (w.Timer1.running() && w.Timer4.running()) return "a battle is judged while a war's cards turn up";
    if (slide && !(w.Timer1.running() && w.Timer1.Interval == 1)) return "a card slides while nothing is collected";
    if (slide && ontable == 0) return "a card slides with the table empty";
    if (busy(w)) {
        if (w.yourdeck.Enabled) return "the pile answers in the middle of a battle";
        if (ontable == 0 && w.Timer1.Interval != 1) return "a battle under way has no cards on the table";
        return {};
    }
    if (ontable != 0) return number(ontable) + " cards lie on an idle table";
    if (w.Timer1.Interval != 1500) return "the battle timer keeps the collecting pace";
    const bool over = !canturn(w.table);
    if (w.yourdeck.Enabled.get() == over) return "the pile answers exactly while both piles hold cards";
    if (over && !w.newgame.Enabled) return "a finished game has no New Game";
    return {};
}

std::string warHolds(wargame& w) {
    const WarTable& t = w.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kCards); !wrong.empty()) return wrong;
    if (t.playercount + t.compcount + t.playertable + t.comptable == 0) return {};
    int ontable = 0;
    if (std::string wrong = cardsInPlace(w, ontable); !wrong.empty()) return wrong;
    return battleInOrder(w, ontable);
}

std::vector<platform::Control*> warMoves(wargame& w) { return {&w.yourdeck}; }

const bool warPlayed =
    gp::playRules<wargame>("war", {.timers = 2, .locks = common::mainwindow, .holds = warHolds, .moves = warMoves});

// One pile of the first `few` of eight low cards, so that games end, and short-side battles and
// wars from short piles come, within a run; the other pile holds the rest.
void shortgame(wargame& w, int few, bool usershort) {
    using core::Suit;
    const std::pair<int, Suit> low[] = {{2, Suit::Spades}, {2, Suit::Hearts}, {3, Suit::Diamonds}, {2, Suit::Clubs},
                                        {3, Suit::Spades}, {2, Suit::Diamonds}, {3, Suit::Hearts}, {3, Suit::Clubs}};
    WarTable& t = w.table;
    int& shortcount = usershort ? t.playercount : t.compcount;
    int& longcount = usershort ? t.compcount : t.playercount;
    shortcount = 0;
    longcount = 0;
    t.tag.fill(0);
    for (int n = 0; n < few; ++n)
        for (int card = 1; card <= kCards; ++card)
            if (core::rankof(t.deckorder[card]) == low[n].first && core::suitofcode(t.deckorder[card]) == low[n].second)
                t.tag[card] = (usershort ? kUserPile : kCompPile) + ++shortcount;
    for (int card = 1; card <= kCards; ++card)
        if (t.tag[card] == 0) t.tag[card] = (usershort ? kCompPile : kUserPile) + ++longcount;
    for (int card = 1; card <= kCards; ++card) w.Image1[card].Tag = number(t.tag[card]);
}

class WarPlay : public ProgramTest {};

struct ScreenRun {
    std::uint32_t seed;
    int width, height;
};

// Long runs on the table alone, the last two at the small screens where the window and its cards
// shrink; together they reach games played to their end and both short-side notices.
TEST_F(WarPlay, LongRunsAtEachScreenSize) {
    const ScreenRun runs[] = {{91u, 1024, 768}, {92u, 1024, 768}, {93u, 800, 600}, {94u, 640, 480}};
    std::set<std::string> prompts;
    for (const ScreenRun& r : runs) {
        SCOPED_TRACE(number(r.width) + " x " + number(r.height));
        // Each time the table opens, its first game is a short one, with a side and a length
        // that change from one opening to the next; a new program counts its openings afresh, so
        // every replay of a run plays the same.
        unsigned opened = 0;
        leaveHomeUnpainted();
        play(r.seed, 3000, typeid(wargame), [&] {
            setScreen(r.width, r.height);
            if (!platform::loaded<Form1>()) opened = 0;
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            const bool fresh = platform::loaded<wargame>() == nullptr;
            platform::window<wargame>().Show();
            if (wargame* w = platform::loaded<wargame>(); fresh && w) {
                shortgame(*w, 1 + static_cast<int>((r.seed + 3 * opened) % 8), (r.seed + opened) % 2 == 0);
                ++opened;
            }
        });
        if (HasFailure()) return;
        for (const platform::BoxRequest& box : boxes.shown()) prompts.insert(box.prompt);
        const std::size_t asked = boxes.shown().size();
        platform::unload<wargame>();
        settle();
        EXPECT_EQ(boxes.shown().size(), asked) << "nothing is asked on the way out";
    }
    std::string heard;
    for (const std::string& prompt : prompts) heard += "\n  " + prompt;
    for (const char* prompt : {"You Win! Play again?", "You Lost! Play again?",
                               "The Computer does not have enough cards for a war", "You do not have enough cards for a war"})
        EXPECT_TRUE(prompts.contains(prompt)) << prompt << " never came; the runs heard:" << heard;
}

}  // namespace
