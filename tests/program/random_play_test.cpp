#include "program_test.h"

#include <cctype>
#include <string>
#include <vector>

// Every registered window played at random: the main window with everything it opens, and each
// game on its own over the main window, from as many seeds as its rules ask for; between them the
// runs must meet every prompt its rules name.
namespace {

// Enough steps to play several hands and open every dialog; few enough to keep the suite quick.
constexpr int kSteps = 1500;

std::vector<std::string> playedNames() {
    std::vector<std::string> names;
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.played) names.push_back(w.name);
    return names;
}

class RandomPlay : public ProgramTest, public testing::WithParamInterface<std::string> {};

TEST_P(RandomPlay, NothingLostNothingStuck) {
    const gp::PlayedWindow* played = nullptr;
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.name == GetParam()) played = &w;
    ASSERT_NE(played, nullptr);
    for (int seed = 1; seed <= played->seeds && !HasFailure(); ++seed)
        play(static_cast<std::uint32_t>(seed), kSteps, played->type, [&] {
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            played->show();
        });
    if (HasFailure()) return;
    for (const std::string& prompt : played->reaches)
        EXPECT_TRUE(met().contains(prompt)) << "no run met \"" << prompt << '"';
}

INSTANTIATE_TEST_SUITE_P(Windows, RandomPlay, testing::ValuesIn(playedNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
