#include "games/crazy8s-war/choosesuitcrazy8.h"

#include "art/card_face.h"
#include "common/locks.h"
#include "common/scaling.h"
#include "core/cards.h"

#include <algorithm>

using namespace platform;

namespace {

SuitChoiceTable& owner() {
    static SuitChoiceTable connected;
    return connected;
}

Form* table() { return owner().loaded ? owner().loaded() : nullptr; }

}  // namespace

choosesuitcrazy8::choosesuitcrazy8() {
    Caption = "Choose Suit";
    Width = 5955;
    Height = 1935;
    BackColor = RGB(0, 128, 0);
    MousePointer = vbCustom;
    StartUpPosition = vbStartUpScreen;
    Image3.Move(240, 120, 1065, 1440);
    Image1.Move(1680, 120, 1065, 1440);
    Image4.Move(3120, 120, 1065, 1440);
    Image2.Move(4560, 120, 1065, 1440);
    for (Image* ace : {&Image3, &Image1, &Image4, &Image2}) {
        ace->Stretch = true;
        ace->MousePointer = vbCustom;
    }
    on(Image1.Click, &choosesuitcrazy8::Image1_Click);
    on(Image2.Click, &choosesuitcrazy8::Image2_Click);
    on(Image3.Click, &choosesuitcrazy8::Image3_Click);
    on(Image4.Click, &choosesuitcrazy8::Image4_Click);
}

void choosesuitcrazy8::connect(SuitChoiceTable table) { owner() = std::move(table); }

void choosesuitcrazy8::Form_Load() {
    picked = false;
    Image3.Picture = platform::Picture(art::cardFace(art::Suit::Clubs, 1));
    Image1.Picture = platform::Picture(art::cardFace(art::Suit::Diamonds, 1));
    Image4.Picture = platform::Picture(art::cardFace(art::Suit::Spades, 1));
    Image2.Picture = platform::Picture(art::cardFace(art::Suit::Hearts, 1));
    const float scale = common::setscale(*this, {0.63f, 0.9f}).scale;
    for (Image* ace : {&Image1, &Image2, &Image3, &Image4}) common::scaleit(*ace, scale);
    common::scaleit(*this, scale);
    // The borders and title do not shrink with the window: its inside must still hold the four
    // aces with the margins they have at the left and top.
    const double width = Image2.Left + Image2.Width + Image3.Left;
    const double height = Image3.Top + Image3.Height + Image3.Top;
    setClientSize(std::max(ScaleWidth(), width), std::max(ScaleHeight(), height));
    common::lockowner(table());
}

void choosesuitcrazy8::pick(core::Suit suit) {
    picked = true;
    if (table()) owner().pick(suit);
    Unload();
}

void choosesuitcrazy8::Form_Unload(int& Cancel) {
    if (!picked) {
        Cancel = 1;
        return;
    }
    common::releaseowner(table());
    Hide();
    if (table()) owner().compturn();
}

void choosesuitcrazy8::Image1_Click() { pick(core::Suit::Diamonds); }

void choosesuitcrazy8::Image2_Click() { pick(core::Suit::Hearts); }

void choosesuitcrazy8::Image3_Click() { pick(core::Suit::Clubs); }

void choosesuitcrazy8::Image4_Click() { pick(core::Suit::Spades); }
