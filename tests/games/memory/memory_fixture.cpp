#include "memory_fixture.h"

#include "common/topthree.h"
#include "core/cards.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

std::vector<std::int16_t> MemoryTest::inOrder(int cards) {
    std::vector<std::int16_t> order;
    for (int code = 1; code <= cards; ++code) order.push_back(static_cast<std::int16_t>(code));
    return order;
}

memoryrules::Draw MemoryTest::picks(std::initializer_list<int> values) {
    picks_.assign(values);
    return [this](int) { return picks_.next(); };
}

bool MemoryTest::showsBack(const platform::Control& c) { return showsFile(c, core::backfile); }

std::string MemoryTest::fileBytes(std::string_view name) const {
    std::ifstream in(platform::resolve(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void MemoryTest::storeTable(std::string_view prefix, const std::vector<std::string>& six) {
    for (int rank = 1; rank <= 3; ++rank) {
        platform::writeSetting(common::topthreefile(prefix, "name", rank), six[static_cast<std::size_t>(rank - 1)]);
        platform::writeSetting(common::topthreefile(prefix, "score", rank), six[static_cast<std::size_t>(rank + 2)]);
    }
}

std::vector<std::string> MemoryTest::storedTable(std::string_view prefix) {
    std::vector<std::string> six;
    for (const char* kind : {"name", "score"})
        for (int rank = 1; rank <= 3; ++rank) six.push_back(platform::readSetting(common::topthreefile(prefix, kind, rank)));
    return six;
}
