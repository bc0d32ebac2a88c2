#pragma once

#include "games/gin/gin.h"
#include "games/gin/ginscore.h"

#include "gin_builder.h"
#include "support/game_window_test.h"

#include <string_view>

// Gin Rummy window tests: tables chosen by the test, named cards, and the score window.
class GinTest : public gp::GameWindowTest {
protected:
    GinTest() : GameWindowTest("gin") {}

    // The table dealt as gintest::deal lays the named cards out, the user to play first unless
    // told otherwise; the computer knocks only when the knockmood is 4.
    gin& openWith(std::string_view computer, std::string_view user, std::string_view discard = "",
                  std::string_view stock = "", int knockmood = 3, int first = ginrules::kUser);

    static int slotOf(const gin& g, std::string_view name) { return gintest::slotOf(g.table, name); }
    static platform::Image& card(gin& g, std::string_view name) { return g.Image1[slotOf(g, name)]; }
    // Whether the card shows its own face.
    static bool faceUp(const gin& g, int slot);

    // The user draws the top of the stock and discards the named card, the drawn one by default.
    void drawAndDiscard(gin& g, std::string_view name = "");
    // Every stock card drawn by the user and thrown away again, the last of them on top.
    static void emptyStock(gin& g);
    // Lets the computer's turn run, if one is pending.
    void computerTurn() { advance(1000); }

    static ginscore* score() { return platform::loaded<ginscore>(); }
};
