#include "solitaire_fixture.h"

#include "core/cards.h"
#include "platform/input.h"

namespace solitairetest {

std::string describe(const Screen& screen) {
    return std::to_string(screen.width) + " x " + std::to_string(screen.height);
}

Look look(std::initializer_list<const platform::ControlArray<platform::Image>*> arrays) {
    Look l;
    for (const auto* array : arrays)
        for (const auto& [i, c] : *array)
            l.controls.emplace_back(c->Picture.get(), c->Left.get(), c->Top.get(), c->Width.get(), c->Height.get(),
                                    c->Visible.get(), c->Tag.get(), c->DragMode.get(), c->Enabled.get());
    return l;
}

}  // namespace solitairetest

calculation& CalculationTest::openWith(const solitairetest::Order& order) {
    calculation& c = openGame<calculation>();
    c.dealKnown(order);
    return c;
}

int CalculationTest::turn(calculation& c) {
    click(c.deckpic);
    return c.table.turned + calculationrules::kFirstStock - 1;
}

solitairetest::Look CalculationTest::look(const calculation& c) const {
    solitairetest::Look l = solitairetest::look({&c.Image1, &c.Image2, &c.Image3});
    l.controls.emplace_back(c.deckpic.Picture.get(), c.deckpic.Left.get(), c.deckpic.Top.get(), c.deckpic.Width.get(),
                            c.deckpic.Height.get(), c.deckpic.Visible.get(), c.deckpic.Tag.get(), 0, true);
    return l;
}

nestor& NestorTest::openWith(const solitairetest::Order& order) {
    nestor& n = openGame<nestor>();
    n.dealKnown(order);
    return n;
}

interlockpuzzle& InterlockTest::openWith(int blank, const std::array<std::int16_t, 8>& faces) {
    interlockpuzzle& w = openGame<interlockpuzzle>();
    w.dealKnown(blank, faces);
    return w;
}

int InterlockTest::cardOn(const interlockpuzzle& w, int cell) {
    for (int k = 1; k <= 8; ++k)
        if (w.table.tag[k] == cell) return k;
    return 0;
}

void InterlockTest::expectCardsOnTheirCells(interlockpuzzle& w) {
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE("card image " + std::to_string(k));
        const platform::Image& card = w.Image1[k];
        const int cell = w.table.tag[k];
        EXPECT_EQ(card.Tag.get(), std::to_string(cell));
        EXPECT_EQ(w.table.cardcell[w.table.deckorder[k]], cell);
        EXPECT_EQ(card.Left, w.Image2[cell].Left);
        EXPECT_EQ(card.Top, w.Image2[cell].Top);
        EXPECT_TRUE(showsFile(card, core::facefile(w.table.deckorder[k])));
        EXPECT_EQ(platform::input::hitTest(w, card.Left + card.Width / 2, card.Top + card.Height / 2), &card);
    }
    const platform::Image& blank = w.Image2[w.table.blankcell];
    EXPECT_EQ(platform::input::hitTest(w, blank.Left + blank.Width / 2, blank.Top + blank.Height / 2), &blank);
    for (const auto& [c, cell] : w.Image2) EXPECT_TRUE(showsFile(*cell, "\\Images\\darkred.bmp")) << "cell " << c;
}
