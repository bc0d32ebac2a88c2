#include "games/crazy8s-war/crazy8s_rules.h"

#include "core/cards.h"

#include <array>
#include <string_view>

namespace crazy8srules {
namespace {

constexpr int kFirstComp = kHandSize + 1;   // 8
constexpr int kFirstStock = kStarter + 1;   // 16

int& countof(Crazy8sTable& t, int hand) { return hand == kUserTag ? t.playercount : t.compcount; }
int countof(const Crazy8sTable& t, int hand) { return hand == kUserTag ? t.playercount : t.compcount; }

bool outside(const Crazy8sTable& t, int card) { return t.tag[card] != kUserTag && t.tag[card] != kCompTag; }

// Every card outside the hands moves up one number; the one numbered 2 becomes the next to draw.
void advance(Crazy8sTable& t) {
    for (int k = 1; k <= kCards; ++k)
        if (outside(t, k) && t.tag[k] == 2) {
            t.nextdraw = k;
            break;
        }
    for (int k = 1; k <= kCards; ++k)
        if (outside(t, k)) --t.tag[k];
    --t.discardtag;
}

void closegap(Crazy8sTable& t, int hand, int gap) {
    if (hand == kUserTag) {
        for (int k = 1; k <= kCards; ++k)
            if (t.tag[k] == kUserTag && t.slot[k] > gap) --t.slot[k];
        return;
    }
    for (int k = 1; k <= kCards; ++k)
        if (t.tag[k] == kCompTag && t.slot[k] == t.compcount + 1) {
            t.slot[k] = gap;
            return;
        }
}

}  // namespace

void deal(Crazy8sTable& t) {
    for (int k = 1; k <= kCards; ++k) {
        t.cardsuit[k] = core::suitofcode(t.deckorder[k]);
        t.cardrank[k] = static_cast<std::int16_t>(core::rankof(t.deckorder[k]));
        t.slot[k] = 0;
        if (k < kFirstComp) {
            t.tag[k] = kUserTag;
            t.slot[k] = k;
        } else if (k < kStarter) {
            t.tag[k] = kCompTag;
            t.slot[k] = k - kHandSize;
        } else {
            t.tag[k] = k == kStarter ? kStarterTag : k - kStarter;
        }
    }
    t.playercount = kHandSize;
    t.compcount = kHandSize;
    t.nextdraw = kFirstStock;
    t.discardtag = kStarterTag;
    t.activesuit = t.cardsuit[kStarter];
    t.activerank = t.cardrank[kStarter];
}

bool legal(const Crazy8sTable& t, int card) {
    return t.cardrank[card] == kEight || t.cardsuit[card] == t.activesuit || t.cardrank[card] == t.activerank;
}

bool haslegal(const Crazy8sTable& t, int hand) {
    for (int k = 1; k <= kCards; ++k)
        if (t.tag[k] == hand && legal(t, k)) return true;
    return false;
}

bool candraw(const Crazy8sTable& t, int hand) { return countof(t, hand) < kHandSlots && t.discardtag > 1; }

bool stockusable(const Crazy8sTable& t) { return candraw(t, kUserTag) || !haslegal(t, kUserTag); }

int draw(Crazy8sTable& t, int hand) {
    if (!candraw(t, hand)) return 0;
    const int card = t.nextdraw;
    int& count = countof(t, hand);
    ++count;
    t.tag[card] = hand;
    t.slot[card] = count;
    advance(t);
    return card;
}

int play(Crazy8sTable& t, int card) {
    const int hand = t.tag[card];
    const int gap = t.slot[card];
    t.tag[card] = ++t.discardtag;
    t.slot[card] = 0;
    --countof(t, hand);
    closegap(t, hand, gap);
    t.activerank = t.cardrank[card];
    if (t.cardrank[card] != kEight) t.activesuit = t.cardsuit[card];
    return gap;
}

int comppick(const Crazy8sTable& t) {
    for (int k = 1; k <= kCards; ++k)
        if (t.tag[k] == kCompTag && legal(t, k)) return k;
    return 0;
}

core::Suit namedsuit(const Crazy8sTable& t) {
    using core::Suit;
    constexpr std::array<Suit, 4> kPreference{Suit::Hearts, Suit::Spades, Suit::Diamonds, Suit::Clubs};
    std::array<int, 4> count{};
    for (int k = 1; k <= kCards; ++k) {
        if (t.tag[k] != kCompTag || t.cardrank[k] == kEight) continue;
        for (std::size_t s = 0; s < kPreference.size(); ++s)
            if (t.cardsuit[k] == kPreference[s]) ++count[s];
    }
    std::size_t best = 0;
    for (std::size_t s = 1; s < kPreference.size(); ++s)
        if (count[s] > count[best]) best = s;
    return kPreference[best];
}

CompTurn computerturn(Crazy8sTable& t) {
    CompTurn turn;
    for (;;) {
        if (const int card = comppick(t)) {
            play(t, card);
            if (t.cardrank[card] == kEight) t.activesuit = namedsuit(t);
            turn.played = card;
            return turn;
        }
        const int drawn = draw(t, kCompTag);
        if (drawn == 0) return turn;
        turn.drawn.push_back(drawn);
    }
}

}  // namespace crazy8srules
