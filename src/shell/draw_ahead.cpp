#include "shell/draw_ahead.h"

#include "art/backgammon_pictures.h"
#include "art/card_face.h"
#include "art/chooser.h"
#include "art/color_pads.h"
#include "art/deck.h"
#include "art/dice.h"
#include "art/suit.h"
#include "art/towers_foreaft.h"
#include "platform/when_shown.h"

#include <array>
#include <cstddef>
#include <functional>

namespace shell {
namespace {

// Backgammon's cube doubles up to 64.
constexpr int kCubeFaces = 7;

// Each step is one suit of faces or one window's pictures, a few milliseconds at most.
const std::array<std::function<void()>, 9> kSteps{
    [] { for (int rank = 1; rank <= 13; ++rank) art::cardFace(art::kSuits[0], rank); },
    [] { for (int rank = 1; rank <= 13; ++rank) art::cardFace(art::kSuits[1], rank); },
    [] { for (int rank = 1; rank <= 13; ++rank) art::cardFace(art::kSuits[2], rank); },
    [] { for (int rank = 1; rank <= 13; ++rank) art::cardFace(art::kSuits[3], rank); },
    // Golf deals from the first design whatever deck the user chose.
    [] { for (art::DeckPicture picture : art::kDeckPictures) art::deckPicture(1, picture); },
    [] {
        art::hanoiPeg();
        for (int disc = 1; disc <= art::kHanoiDiscs; ++disc) art::hanoiDisc(disc);
    },
    [] {
        for (int k = 0; k < kCubeFaces; ++k) art::cubeFace(1 << k);
        for (int value = 1; value <= 6; ++value) art::dieFace(value, art::kBackgammonDiePixels);
    },
    [] { for (int number = 1; number <= 3; ++number) art::treeIcon(number); },
    [] {
        for (int pad = 1; pad <= 4; ++pad)
            for (bool lit : {false, true}) art::colorPad(pad, lit);
    },
};

void drawFrom(platform::Form& main, std::size_t step) {
    if (step >= kSteps.size()) return;
    const auto next = [&main, step] {
        kSteps[step]();
        drawFrom(main, step + 1);
    };
    if (step == 0)
        platform::whenPainted(main, next);
    else
        platform::whenShown(main, next);
}

}  // namespace

void drawAhead(platform::Form& main) { drawFrom(main, 0); }

}  // namespace shell
