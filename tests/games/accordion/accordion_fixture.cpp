#include "accordion_fixture.h"

#include "platform/input.h"

#include <string>

Accordian& AccordionTest::openWith(const accordiontest::Order& order) {
    Accordian& a = openGame<Accordian>();
    a.dealKnown(order);
    return a;
}

void AccordionTest::deal(Accordian& a, int clicks) {
    for (int i = 0; i < clicks; ++i) click(a.deck);
}

std::vector<int> AccordionTest::row(const Accordian& a, int from, int to) {
    std::vector<int> codes;
    for (int k = from; k <= to; ++k) codes.push_back(shown(a, a.Image[k]));
    return codes;
}

bool AccordionTest::inSight(const Accordian& a, int k) {
    const platform::Image& image = a.Image[k];
    return image.Visible && image.Left >= 0 && image.Top >= 0;
}

void AccordionTest::expectRowMirrorsSlots(Accordian& a) {
    for (int k = 1; k <= 52; ++k) {
        SCOPED_TRACE("position " + std::to_string(k));
        const platform::Image& image = a.Image[k];
        const platform::Image& slot = a.cardpic[k];
        EXPECT_EQ(image.Index(), k);
        EXPECT_EQ(image.Picture, slot.Picture);
        EXPECT_NE(shown(a, slot), 0);
        EXPECT_EQ(image.Visible, slot.Visible);
        if (!inSight(a, k)) continue;
        EXPECT_EQ(image.Left, slot.Left);
        EXPECT_EQ(image.Top, slot.Top);
        const double x = image.Left + image.Width / 2;
        const double y = image.Top + image.Height / 2;
        EXPECT_EQ(platform::input::hitTest(a, x, y), &image) << "the row image lies in front of its slot";
    }
}

AccordionTest::View AccordionTest::view(const Accordian& a) {
    View v{a.table, {}};
    for (const auto* array : {&a.cardpic, &a.Image})
        for (const auto& [k, c] : *array)
            v.controls.emplace_back(c->Picture.get(), c->Visible.get(), c->Left.get(), c->Top.get(), c->DragMode.get());
    return v;
}
