#include "golf_fixture.h"

#include "platform/files.h"

void GolfTest::SetUp() {
    gp::WindowTest::SetUp();
    platform::writeSetting("\\Data\\golfsound.dat", "YES");
}

std::array<std::int16_t, 52> GolfTest::dealWith(const std::map<int, int>& placed) {
    std::set<int> free;
    for (int c = 1; c <= 52; ++c) free.insert(c);
    for (auto [image, c] : placed) free.erase(c);
    std::array<std::int16_t, 52> order{};
    for (int image = 1; image <= 52; ++image) {
        int c = 0;
        if (auto it = placed.find(image); it != placed.end()) {
            c = it->second;
        } else {
            c = *free.begin();
            free.erase(free.begin());
        }
        order[static_cast<std::size_t>(image - 1)] = static_cast<std::int16_t>(c);
    }
    return order;
}

golf& GolfTest::openWith(const std::map<int, int>& placed) {
    golf& g = open<golf>();
    g.dealKnown(dealWith(placed));
    return g;
}

std::set<int> GolfTest::draggable(const golf& g) {
    std::set<int> cards;
    for (int i = 1; i <= 35; ++i)
        if (g.cardpic[i].Visible && g.cardpic[i].DragMode == platform::vbAutomatic) cards.insert(i);
    return cards;
}

bool GolfTest::showsFile(const platform::Control& c, std::string_view file) {
    const platform::Picture expected = platform::LoadPicture(file);
    return expected && c.Picture.get() && c.Picture->image() == expected.image();
}
