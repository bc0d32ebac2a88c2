#pragma once

#include "games/crazy8s-war/crazy8s_table.h"

#include "common/gamewindow.h"
#include "common/scaling.h"
#include "core/cards.h"
#include "platform/controls.h"

#include <array>
#include <cstdint>
#include <string_view>

// Crazy 8s against one computer player. The user drags a card of the same suit or rank, or any
// eight, onto the discard pile, or clicks the stock to draw; an eight names the suit to follow.
// The rules act on `table`; the window moves the pictures, runs the timers and asks the questions.
// Card image k shows the card dealt to deck position k; the computer's cards lie under Frame2,
// where the user sees only as many backs as it holds.
class crazy8s : public common::GameWindow {
public:
    crazy8s();

    // The suit the user's eight named becomes the suit to follow.
    void allthereistoknow(core::Suit suit);
    // The computer's whole turn: it draws until it can play, then plays.
    void compturn();
    void newgame_Click();
    // The same deal with the cards chosen by the caller instead of a shuffle: deckorder(1..52).
    void dealKnown(const std::array<std::int16_t, 52>& order);

    crazy8srules::Crazy8sTable table;
    core::MaybeSuit pickedsuit;  // the suit the user's last eight named
    float scale = 1;
    core::ScreenKind screen = core::ScreenKind::Other;  // what its fixed additions follow

    platform::ControlArray<platform::Image> Image1{*this, 1, 53};  // 53: a spare back outside the window
    platform::Image Command1{*this};  // the stock
    platform::Image Image2{*this};    // the drop zone over the discard pile
    platform::Label Label1{*this};    // the user's name
    platform::Label Label2{*this};    // the computer player's name
    platform::Frame Frame2{*this};
    platform::ControlArray<platform::Image> compcard{Frame2, 1, 28};
    platform::Timer Timer3{*this, 1000};
    platform::Timer Timer4{*this, 100, true};

    platform::Menu newgame{file, "New Game", div};
    platform::Menu deal{file, "Deal", div};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void scalewindow();
    void deal_Click();
    void fixit(int card);
    void topile(int card);
    void lineupcards();
    void lineupcompcards();
    void hisset();
    void showtags();
    void enablecards(bool on);
    void gameover(std::string_view prompt);

    void Image2_DragDrop(platform::Control& Source, double X, double Y);
    void Command1_Click();
    void Timer3_Timer();
    void Timer4_Timer();

    bool userplays = false;  // the user's cards answer: neither the computer's turn nor a finished game
};
