#pragma once

#include "core/cards.h"
#include "platform/controls.h"
#include "platform/form.h"

#include <functional>

// What the suit choice needs of the Crazy 8s table, which connects itself when it is made: the
// table window while it is loaded (null otherwise), handing it the suit picked, and its
// computer's turn.
struct SuitChoiceTable {
    std::function<platform::Form*()> loaded;
    std::function<void(core::Suit suit)> pick;
    std::function<void()> compturn;
};

// The suit an eight of the user's names: four aces, one per suit. It cannot be closed before a
// suit is picked; closing it then plays the computer's turn at once.
class choosesuitcrazy8 : public platform::Form {
public:
    choosesuitcrazy8();

    static void connect(SuitChoiceTable table);

    platform::Image Image3{*this};  // clubs
    platform::Image Image1{*this};  // diamonds
    platform::Image Image4{*this};  // spades
    platform::Image Image2{*this};  // hearts

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
    void pick(core::Suit suit);
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();

    bool picked = false;  // a suit has been picked since the load
};
