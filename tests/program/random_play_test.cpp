#include "program_test.h"

#include <ostream>
#include <string>
#include <vector>

// Every registered window played at random from a few seeds: the main window with everything it
// opens, and each game on its own over the main window.
namespace {

struct PlayCase {
    std::string window;
    std::uint32_t seed;
};

void PrintTo(const PlayCase& c, std::ostream* out) { *out << c.window << " from seed " << c.seed; }

// Enough steps to play several hands and open every dialog; few enough to keep the suite quick.
constexpr int kSteps = 1500;
constexpr std::uint32_t kSeeds[] = {1, 2};

std::vector<PlayCase> playCases() {
    std::vector<PlayCase> cases;
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.played)
            for (std::uint32_t seed : kSeeds) cases.push_back({w.name, seed});
    return cases;
}

class RandomPlay : public ProgramTest, public testing::WithParamInterface<PlayCase> {};

TEST_P(RandomPlay, NothingLostNothingStuck) {
    const gp::PlayedWindow* played = nullptr;
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.name == GetParam().window) played = &w;
    ASSERT_NE(played, nullptr);
    play(GetParam().seed, kSteps, played->type, [&] {
        const Form1* main = platform::loaded<Form1>();
        if (!main || !main->Visible) startProgram();
        played->show();
    });
}

INSTANTIATE_TEST_SUITE_P(Windows, RandomPlay, testing::ValuesIn(playCases()),
                         [](const testing::TestParamInfo<PlayCase>& info) {
                             return info.param.window + "_seed" + std::to_string(info.param.seed);
                         });

}  // namespace
