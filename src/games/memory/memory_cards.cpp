#include "games/memory/memory_cards.h"

#include "common/backs.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "core/deck.h"

using namespace memoryrules;

namespace memorycards {
namespace {

constexpr double kDesignWidth = 1335;
constexpr double kDesignHeight = 1815;

void lay(Cards& cards, platform::Image& back, MemoryTable& t) {
    layAll(t);
    for (auto& [position, card] : cards) common::facesizedback(*card);
    back.Picture = platform::LoadPicture(core::backfile);
}

}  // namespace

void design(Cards& cards, Board board) {
    for (auto& [position, card] : cards) {
        const Place place = cardPlace(board, position);
        card->Move(place.left, place.top, kDesignWidth, kDesignHeight);
    }
}

void deal(Cards& cards, platform::Image& back, MemoryTable& t) {
    core::shuffledeck(t.deckorder, t.cardused, t.cards);
    lay(cards, back, t);
}

void dealKnown(Cards& cards, platform::Image& back, MemoryTable& t, const std::vector<std::int16_t>& order) {
    core::knowndeal(t.deckorder, t.cardused, order);
    lay(cards, back, t);
}

void startover(Cards& cards) {
    for (auto& [position, card] : cards) {
        card->Visible = true;
        card->Enabled = true;
    }
}

void showface(Cards& cards, const MemoryTable& t, int position) {
    cards[position].Picture = platform::LoadPicture(pairface(t.deckorder[position]));
}

void facedown(Cards& cards, const platform::Image& back, int position) {
    if (!cards.exists(position)) return;
    cards[position].Picture = back.Picture.get();
}

void remove(Cards& cards, int position) {
    platform::Image& card = cards[position];
    card.Visible = false;
    card.Enabled = false;
}

void enablecards(Cards& cards, bool on) {
    for (auto& [position, card] : cards) card->Enabled = on;
}

void scalecards(Cards& cards, float scale) {
    for (auto& [position, card] : cards) {
        card->Stretch = true;
        common::scaleit(*card, scale);
    }
}

}  // namespace memorycards
